#include "CLevelMeter.h"

#include "CBitmap.h"

#include <cstring>

CPoint CLevelMeter::placeStrip(float shown, const CPoint& origin)
{
    if (isHorizontal())
    {
        drawRect.right = quantise(shown, bitmap->getWidth()) + origin.h; // lit from the left
        return CPoint();
    }
    const int32_t top = quantise(maximum - shown, bitmap->getHeight());
    drawRect.top = top + origin.v;
    return CPoint(0, top);
}

bool CLevelMeter::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CLevelMeter") == 0 || CScaleStripMeter::isTypeOf(type);
}
