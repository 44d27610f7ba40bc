// Synthetic bitmaps for pixel tests: stripes whose pixels carry their row (or column) number,
// so a test can tell from a drawn pixel which bitmap pixel landed there.
#pragma once

#include "CBitmap.h"

enum class StripeAxis
{
    rows,
    columns,
};

// Pixel (x, y) has red + 256 * green = y (rows) or x (columns), blue 255, opaque.
CBitmap* makeStripes(int32_t width, int32_t height, StripeAxis axis = StripeAxis::rows);
CBitmap* makeSolid(int32_t width, int32_t height, const CColor& colour);
// The row or column a stripe pixel came from; -1 for a pixel no stripe drew.
int32_t stripeIndex(const CColor& pixel);
