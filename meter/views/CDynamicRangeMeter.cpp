#include "CDynamicRangeMeter.h"

#include "CBitmap.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace
{
void take(CBitmap* bitmap)
{
    if (bitmap)
        bitmap->remember();
}

void release(CBitmap* bitmap)
{
    if (bitmap)
        bitmap->forget();
}

uint8_t weight(float share)
{
    return static_cast<uint8_t>(share * 255);
}
} // namespace

CDynamicRangeMeter::CDynamicRangeMeter(const CRect& size, CBitmap* highBitmap, CBitmap* middleBitmap,
                                       CBitmap* lowBitmap, int32_t stepCount, int32_t style)
    : CMeterView(size, stepCount, style), highBitmap(highBitmap), middleBitmap(middleBitmap), lowBitmap(lowBitmap)
{
    for (CBitmap* bitmap : {highBitmap, middleBitmap, lowBitmap})
        take(bitmap);
}

CDynamicRangeMeter::~CDynamicRangeMeter()
{
    for (CBitmap* bitmap : {highBitmap, middleBitmap, lowBitmap})
        release(bitmap);
}

void CDynamicRangeMeter::setColour(float t)
{
    if (!(t >= 0 && t <= 1))
        return; // also a t that is not a number
    if (t <= 0.5f)
        colour = {weight(1 - 2 * t), weight(2 * t), 0};
    else
        colour = {0, weight(2 - 2 * t), weight(2 * t - 1)};
}

void CDynamicRangeMeter::weighFromDynamicRange()
{
    const float d = dynamicRangeDB;
    if (std::isnan(d))
        return;
    if (d > 14)
        setColour(0);
    else if (d > 11)
        setColour(0.5f - (d - 11) / 6);
    else if (d > 8)
        setColour(1 - (d - 8) / 6);
    else
        setColour(1);
}

void CDynamicRangeMeter::draw(CDrawContext* context)
{
    if (!highBitmap || !middleBitmap || !lowBitmap)
        return;
    const float shown = fallOff();
    weighFromDynamicRange();
    CDrawContext* target = beginDrawing(context);
    const CPoint origin = targetOrigin();
    CPoint source;
    if (isHorizontal())
    {
        const int32_t width = highBitmap->getWidth();
        const int32_t right = quantise(shown, width);
        // No signal yet gives a bottom that is not a number: an empty bar.
        const int32_t left = std::isfinite(bottomValue) ? std::min(quantise(bottomValue, width), right) : right;
        source = CPoint(left, 0);
        drawRect.left = left + origin.h;
        drawRect.right = right + origin.h;
    }
    else
    {
        const int32_t height = highBitmap->getHeight();
        const int32_t top = quantise(maximum - shown, height);
        const int32_t bottom = std::isfinite(bottomValue) ? std::max(quantise(maximum - bottomValue, height), top) : top;
        source = CPoint(0, top);
        drawRect.top = top + origin.v;
        drawRect.bottom = bottom + origin.v;
    }
    highBitmap->drawAlphaBlend(target, drawRect, source, colour.red);
    middleBitmap->drawAlphaBlend(target, drawRect, source, colour.green);
    lowBitmap->drawAlphaBlend(target, drawRect, source, colour.blue);
    finishDrawing(context, target);
}

bool CDynamicRangeMeter::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CDynamicRangeMeter") == 0 || CMeterView::isTypeOf(type);
}
