// A dynamic-range bar: from the peak level down to the level the dynamic range lies below it,
// coloured by blending three bar bitmaps (high, middle, low) with weights that fade from the first
// to the second between 14 and 11 dB and from the second to the third between 11 and 8 dB.
#pragma once

#include "CMeterView.h"

#include <cstdint>

class CBitmap;

class CDynamicRangeMeter : public CMeterView
{
public:
    struct Weights
    {
        uint8_t red = 0; // of the high bitmap
        uint8_t green = 0; // of the middle bitmap
        uint8_t blue = 0; // of the low bitmap
        bool operator==(const Weights&) const = default;
    };

    // Takes a reference on each bitmap.
    CDynamicRangeMeter(const CRect& size, CBitmap* highBitmap, CBitmap* middleBitmap, CBitmap* lowBitmap,
                       int32_t stepCount, int32_t style);
    ~CDynamicRangeMeter() override;

    void draw(CDrawContext* context) override;
    bool isTypeOf(const char* type) const override;

    // Neither redraws: they show with the next draw.
    virtual void setBottomValue(float value) { bottomValue = value; }
    virtual void setDynamicRangeDB(float decibels) { dynamicRangeDB = decibels; }

    // t = 0 the high bitmap alone, 0.5 the middle one, 1 the low one; outside 0..1 nothing changes.
    void setColour(float t);
    const Weights& getColour() const { return colour; }

private:
    void weighFromDynamicRange();

    CBitmap* highBitmap;
    CBitmap* middleBitmap;
    CBitmap* lowBitmap;
    float bottomValue = 0;
    float dynamicRangeDB = 0;
    Weights colour;
};
