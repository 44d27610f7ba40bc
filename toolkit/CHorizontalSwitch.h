// A control with a number of positions along x, drawn from a bitmap strip whose frame the value
// picks (the nearest one).
#pragma once

#include "BitmapStrip.h"
#include "CControl.h"

class CHorizontalSwitch : public CControl
{
public:
    // Frames as high as the view, one position per frame.
    CHorizontalSwitch(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background,
                      const CPoint& offset = {});
    CHorizontalSwitch(const CRect& size, CControlListener* listener, int32_t tag, int32_t frameCount,
                      int32_t frameHeight, int32_t positionCount, CBitmap* background, const CPoint& offset = {});

    void draw(CDrawContext* context) override;
    bool isTypeOf(const char* type) const override;

    int32_t getPositionCount() const { return positionCount; }

private:
    BitmapStrip strip;
    int32_t positionCount;
    CPoint offset;
};
