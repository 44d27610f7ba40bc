// A click area that shows a picture (its background) in a larger rectangle while its value is 1.
// A click opens it, a click on the picture closes it again.
#pragma once

#include "CControl.h"

class CSplashScreen : public CControl
{
public:
    CSplashScreen(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background,
                  const CRect& toDisplay, const CPoint& offset = {});

    // Draws the picture in the display rectangle while the value is not 0.
    void draw(CDrawContext* context) override;
    void mouse(CDrawContext* context, CPoint& where, int32_t buttons = -1) override;
    // Closes the picture: the value becomes 0, and the listener hears of it if it was open.
    virtual void unSplash();
    bool isTypeOf(const char* type) const override;

    const CRect& getDisplayRect() const { return toDisplay; }
    // Opacity with which a transparent picture is blended; 0 skips its transparent colour instead.
    void setAlphaValue(uint8_t alpha) { alphaValue = alpha; }
    uint8_t getAlphaValue() const { return alphaValue; }
    const CPoint& getOffset() const { return offset; }

protected:
    CRect toDisplay;
    CPoint offset;

private:
    CRect closedSize; // the click area while the picture is shown over the display rectangle
    bool enlarged = false;
    uint8_t alphaValue = 0;
};
