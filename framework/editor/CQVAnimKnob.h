// The framework's knob: a bitmap-strip knob showing the nearest frame, dragged linearly (200
// pixels for the whole range, 800 with Command/Ctrl) or around its centre, with Option/Alt-click
// for the default value and wheel steps.
#pragma once

#include "CAnimKnob.h"

class CQVAnimKnob : public CAnimKnob
{
public:
    CQVAnimKnob(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background,
                const CPoint& offset = {});
    CQVAnimKnob(const CRect& size, CControlListener* listener, int32_t tag, int32_t frameCount, int32_t frameHeight,
                CBitmap* background, const CPoint& offset = {});

    void draw(CDrawContext* context) override;
    void mouse(CDrawContext* context, CPoint& where, int32_t buttons = -1) override;
    bool onWheel(CDrawContext* context, const CPoint& where, float distance) override;
    bool isTypeOf(const char* type) const override;

private:
    CPoint relativeToView(const CPoint& where) const { return {where.h - size.left, where.v - size.top}; }
};
