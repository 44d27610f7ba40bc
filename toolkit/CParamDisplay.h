// A read-out: text in a standard font over a back colour (or nothing, when transparent), with an
// optional frame. It shows its value; CTextLabel shows a text instead.
#pragma once

#include "CColor.h"
#include "CControl.h"
#include "CFont.h"

#include <string>

enum DisplayStyle : int32_t
{
    kStyleNoFrame = 0x4000,
};

class CParamDisplay : public CControl
{
public:
    CParamDisplay(const CRect& size, CBitmap* background = nullptr, int32_t style = 0);

    void draw(CDrawContext* context) override;
    bool isTypeOf(const char* type) const override;

    void setFont(CFont newFont) { font = newFont; setDirty(true); }
    CFont getFont() const { return font; }
    void setTextFace(int32_t face) { textFace = face; setDirty(true); }
    void setFontColor(const CColor& colour);
    const CColor& getFontColor() const { return fontColor; }
    void setBackColor(const CColor& colour) { backColor = colour; setDirty(true); }
    const CColor& getBackColor() const { return backColor; }
    void setFrameColor(const CColor& colour) { frameColor = colour; setDirty(true); }
    void setHoriAlign(TextAlignment alignment) { horizontalAlignment = alignment; setDirty(true); }
    TextAlignment getHoriAlign() const { return horizontalAlignment; }
    void setStyle(int32_t newStyle) { style = newStyle; setDirty(true); }
    int32_t getStyle() const { return style; }

protected:
    // What the read-out shows.
    virtual std::string displayText() const;

private:
    CFont font = kFontSmall;
    int32_t textFace = kFacePlain;
    CColor fontColor = kWhiteCColor;
    CColor backColor = kBlackCColor;
    CColor frameColor = kBlackCColor;
    TextAlignment horizontalAlignment = kAlignCenter;
    int32_t style;
};
