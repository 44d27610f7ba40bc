#include "CLineMeter.h"

#include "CBitmap.h"

#include <cstring>

CLineMeter::CLineMeter(const CRect& size, CBitmap* bitmap, int32_t stepCount, int32_t lineWidth, int32_t style)
    : CScaleStripMeter(size, bitmap, stepCount, style), lineWidth(lineWidth)
{
}

CPoint CLineMeter::placeStrip(float shown, const CPoint& origin)
{
    if (isHorizontal())
    {
        // Scaled to the last column, so the largest value still shows a column of the bitmap.
        const int32_t x = quantise(shown, bitmap->getWidth() - 1);
        drawRect.left = x + origin.h;
        drawRect.right = drawRect.left + lineWidth;
        return CPoint(x, 0);
    }
    const int32_t y = quantise(maximum - shown, bitmap->getHeight());
    drawRect.top = y + origin.v;
    drawRect.bottom = drawRect.top + lineWidth;
    return CPoint(0, y);
}

bool CLineMeter::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CLineMeter") == 0 || CScaleStripMeter::isTypeOf(type);
}
