// The information control: an invisible click area that opens an information panel (its
// background bitmap in its display rectangle) with a line of text on it, as the frame's modal
// view, until the panel is clicked.
#pragma once

#include "CColor.h"
#include "CFont.h"
#include "CSplashScreen.h"

class CQVVersionSplashScreen : public CSplashScreen
{
public:
    static constexpr int32_t kMaxTextLength = 255;

    CQVVersionSplashScreen(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background,
                           const CRect& toDisplay, const CPoint& offset = {});

    void mouse(CDrawContext* context, CPoint& where, int32_t buttons = -1) override;
    bool isTypeOf(const char* type) const override;

    // ---- Panel text; none of these redraws ----
    virtual void getText(char* buffer, int32_t maxLen) const;
    // Keeps at most 255 characters (of newline-separated alternatives, the longest that fits).
    virtual void setText(const char* newText);
    virtual CPoint getTextOffset() const { return textOffset; }
    virtual void setTextOffset(CPoint offset) { textOffset = offset; }
    virtual CColor getTextColor() const { return textColor; }
    virtual void setTextColor(CColor colour) { textColor = colour; }
    virtual CFont getTextFont() const { return textFont; }
    virtual void setTextFont(CFont font) { textFont = font; }
    virtual int32_t getTextFace() const { return textFace; }
    virtual void setTextFace(int32_t face) { textFace = face; }

private:
    char text[kMaxTextLength + 1] = {};
    CPoint textOffset;
    CColor textColor = kWhiteCColor;
    CFont textFont = kFontNormal;
    int32_t textFace = kFacePlain;
};
