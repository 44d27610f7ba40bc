// What the level bar and the marker line share: one scale bitmap, shown from the row or column
// that the value reaches.
#pragma once

#include "CMeterView.h"

class CBitmap;

class CScaleStripMeter : public CMeterView
{
public:
    // Takes a reference on the bitmap.
    CScaleStripMeter(const CRect& size, CBitmap* bitmap, int32_t stepCount, int32_t style);
    ~CScaleStripMeter() override;

    void draw(CDrawContext* context) override;

protected:
    // Sets drawRect for the shown value and answers the bitmap point drawn at its corner.
    virtual CPoint placeStrip(float shown, const CPoint& origin) = 0;

    CBitmap* const bitmap;
};
