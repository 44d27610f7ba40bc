// A level bar: the part of a scale bitmap from the value's place to the end of the scale, so the
// bar has the scale's colours where it stands.
#pragma once

#include "CMeterView.h"

class CBitmap;

class CLevelMeter : public CMeterView
{
public:
    // Takes a reference on the bitmap.
    CLevelMeter(const CRect& size, CBitmap* bitmap, int32_t stepCount, int32_t style);
    ~CLevelMeter() override;

    void draw(CDrawContext* context) override;
    bool isTypeOf(const char* type) const override;

private:
    CBitmap* bitmap;
};
