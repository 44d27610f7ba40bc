// A knob drawn from a bitmap strip: the value picks the frame (truncated), and maps to an angle
// from 225 degrees (value 0, lower left) clockwise over 270 degrees (value 1, lower right).
#pragma once

#include "BitmapStrip.h"
#include "CControl.h"

class CAnimKnob : public CControl
{
public:
    // Frames as high as the view.
    CAnimKnob(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background,
              const CPoint& offset = {});
    CAnimKnob(const CRect& size, CControlListener* listener, int32_t tag, int32_t frameCount, int32_t frameHeight,
              CBitmap* background, const CPoint& offset = {});

    void draw(CDrawContext* context) override;
    bool isTypeOf(const char* type) const override;

    void setInverseBitmap(bool inverse) { inverseBitmap = inverse; }
    bool getInverseBitmap() const { return inverseBitmap; }
    const BitmapStrip& getStrip() const { return strip; }
    const CPoint& getOffset() const { return offset; }

    // The handle's position for the current value, relative to the view's top-left.
    void valueToPoint(CPoint& point) const;
    // The value whose angle points at point (relative to the view's top-left); the gap below
    // the knob goes to the nearer end.
    float valueFromPoint(const CPoint& point) const;
    const CPoint& getHandlePoint() const { return handlePoint; }

protected:
    // The value the strip shows: inverted when the strip runs the other way.
    float shownValue() const { return inverseBitmap ? 1 - value : value; }
    void drawStripFrame(CDrawContext* context, int32_t frame);
    void updateHandlePoint() { valueToPoint(handlePoint); }

private:
    BitmapStrip strip;
    CPoint offset;
    CPoint handlePoint;
    bool inverseBitmap = false;
};
