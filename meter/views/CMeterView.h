// What the level, line and dynamic-range meter views share: a value quantised to a number of
// steps and scaled to a bitmap, a falloff kept in the old value, an optional offscreen surface,
// and drawing clipped to the view.
#pragma once

#include "CControl.h"

class COffscreenContext;

class CMeterView : public CControl
{
public:
    enum Style : int32_t
    {
        kVertical = 0,
        kHorizontal = 1,
    };

    CMeterView(const CRect& size, int32_t stepCount, int32_t style);
    ~CMeterView() override;

    // Marks only the view: the old value is the falloff's memory and stays as it is.
    void setDirty(bool value = true) override;
    bool attached(CView* parent) override;
    bool removed(CView* parent) override;
    bool isTypeOf(const char* type) const override;

    virtual void setDecreaseStepValue(float step) { decreaseStepValue = step; }
    void setUseOffscreen(bool use) { useOffscreen = use; }
    // Where the lit part was last drawn, in the target's coordinates.
    const CRect& getDrawRect() const { return drawRect; }

protected:
    bool isHorizontal() const { return (style & kHorizontal) != 0; }
    // Bounces the value, lets the shown value fall at most one step, and keeps it as old value.
    float fallOff();
    // The surface to draw on (the offscreen one when in use, cleared), clipped to the view.
    CDrawContext* beginDrawing(CDrawContext* context);
    // Copies the offscreen surface into the context and clears the dirty flag.
    void finishDrawing(CDrawContext* context, CDrawContext* target);
    // trunc(trunc(stepCount * fraction + 0.5) / stepCount * extent), in float.
    int32_t quantise(float fraction, int32_t extent) const;
    // How far positions move to land in the target: nothing offscreen, the view's corner otherwise.
    CPoint targetOrigin() const;

    CRect drawRect;

private:
    void discardOffscreen();
    void prepareTarget();

    COffscreenContext* offscreen = nullptr;
    int32_t stepCount;
    int32_t style;
    float decreaseStepValue = 0.1f;
    bool useOffscreen = false;
};
