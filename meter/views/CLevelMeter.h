// A level bar: the part of a scale bitmap from the value's place to the end of the scale, so the
// bar has the scale's colours where it stands.
#pragma once

#include "CScaleStripMeter.h"

class CLevelMeter : public CScaleStripMeter
{
public:
    using CScaleStripMeter::CScaleStripMeter;

    bool isTypeOf(const char* type) const override;

private:
    CPoint placeStrip(float shown, const CPoint& origin) override;
};
