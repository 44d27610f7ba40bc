// A marker line a few pixels thick: the slice of a scale bitmap at the value's place, across a
// vertical scale (hold markers) or along a horizontal one (the correlation pointer).
#pragma once

#include "CScaleStripMeter.h"

class CLineMeter : public CScaleStripMeter
{
public:
    // Takes a reference on the bitmap.
    CLineMeter(const CRect& size, CBitmap* bitmap, int32_t stepCount, int32_t lineWidth, int32_t style);

    bool isTypeOf(const char* type) const override;

private:
    CPoint placeStrip(float shown, const CPoint& origin) override;

    int32_t lineWidth;
};
