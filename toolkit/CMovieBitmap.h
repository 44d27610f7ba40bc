// Shows one frame of a bitmap strip, chosen by the value (0 the first frame, 1 the last).
#pragma once

#include "BitmapStrip.h"
#include "CControl.h"

class CMovieBitmap : public CControl
{
public:
    CMovieBitmap(const CRect& size, CControlListener* listener, int32_t tag, int32_t frameCount, int32_t frameHeight,
                 CBitmap* background, const CPoint& offset = {});
    // Frames as high as the view.
    CMovieBitmap(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background,
                 const CPoint& offset = {});

    void draw(CDrawContext* context) override;
    bool isTypeOf(const char* type) const override;

private:
    BitmapStrip strip;
    CPoint offset;
};
