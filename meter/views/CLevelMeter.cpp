#include "CLevelMeter.h"

#include "CBitmap.h"

#include <cstring>

CLevelMeter::CLevelMeter(const CRect& size, CBitmap* bitmap, int32_t stepCount, int32_t style)
    : CMeterView(size, stepCount, style), bitmap(bitmap)
{
    if (bitmap)
        bitmap->remember();
}

CLevelMeter::~CLevelMeter()
{
    if (bitmap)
        bitmap->forget();
}

void CLevelMeter::draw(CDrawContext* context)
{
    if (!bitmap)
        return;
    const float shown = fallOff();
    CDrawContext* target = beginDrawing(context);
    const CPoint origin = targetOrigin();
    CPoint source;
    if (isHorizontal())
        drawRect.right = quantise(shown, bitmap->getWidth()) + origin.h; // lit from the left
    else
    {
        const int32_t top = quantise(maximum - shown, bitmap->getHeight());
        source = CPoint(0, top);
        drawRect.top = top + origin.v;
    }
    bitmap->drawTransparent(target, drawRect, source);
    finishDrawing(context, target);
}

bool CLevelMeter::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CLevelMeter") == 0 || CMeterView::isTypeOf(type);
}
