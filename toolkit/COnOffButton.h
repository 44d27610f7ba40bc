// A switch drawn from a strip of two frames (off above on); a click toggles it.
#pragma once

#include "BitmapStrip.h"
#include "CControl.h"

class COnOffButton : public CControl
{
public:
    COnOffButton(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background);

    void draw(CDrawContext* context) override;
    void mouse(CDrawContext* context, CPoint& where, int32_t buttons = -1) override;
    bool isTypeOf(const char* type) const override;

private:
    BitmapStrip strip;
};
