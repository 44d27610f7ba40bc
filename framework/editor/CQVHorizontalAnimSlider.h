// The framework's slider: a bitmap-strip switch dragged along x. The value runs from 0 to 1 over
// the middle travel share of the bitmap's width; with Command/Ctrl the pointer moves it a
// quarter as fast from where the fine drag began.
#pragma once

#include "CHorizontalSwitch.h"

class CQVHorizontalAnimSlider : public CHorizontalSwitch
{
public:
    CQVHorizontalAnimSlider(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background,
                            const CPoint& offset, float travel);
    CQVHorizontalAnimSlider(const CRect& size, CControlListener* listener, int32_t tag, int32_t frameCount,
                            int32_t frameHeight, int32_t positionCount, CBitmap* background, const CPoint& offset,
                            float travel);

    void mouse(CDrawContext* context, CPoint& where, int32_t buttons = -1) override;
    bool onWheel(CDrawContext* context, const CPoint& where, float distance) override;
    bool isTypeOf(const char* type) const override;

private:
    float travel;
};
