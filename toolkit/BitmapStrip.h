// Bitmaps holding several frames of the same size stacked vertically, the first on top.
#pragma once

#include "CPoint.h"
#include "CRect.h"

#include <cstdint>

class CBitmap;
class CDrawContext;

struct BitmapStrip
{
    int32_t frameCount = 1;
    int32_t frameHeight = 0;

    // Frames as high as the view, as many as the bitmap holds.
    static BitmapStrip fromViewHeight(const CBitmap* bitmap, const CRect& view);
    // The frame for a value in 0..1: truncated, or the nearest one; always within the strip.
    int32_t frameTruncated(float value) const;
    int32_t frameNearest(float value) const;
    // Draws one frame (clamped to the strip) into rect, with the bitmap's transparent colour
    // skipped when transparent is set.
    void drawFrame(CDrawContext* context, CBitmap* bitmap, const CRect& rect, int32_t frame, const CPoint& offset,
                   bool transparent) const;

private:
    int32_t frameAt(float position) const;
    int32_t clampFrame(int32_t frame) const;
};
