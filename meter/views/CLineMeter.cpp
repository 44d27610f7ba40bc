#include "CLineMeter.h"

#include "CBitmap.h"

#include <cstring>

CLineMeter::CLineMeter(const CRect& size, CBitmap* bitmap, int32_t stepCount, int32_t lineWidth, int32_t style)
    : CMeterView(size, stepCount, style), bitmap(bitmap), lineWidth(lineWidth)
{
    if (bitmap)
        bitmap->remember();
}

CLineMeter::~CLineMeter()
{
    if (bitmap)
        bitmap->forget();
}

void CLineMeter::draw(CDrawContext* context)
{
    if (!bitmap)
        return;
    const float shown = fallOff();
    CDrawContext* target = beginDrawing(context);
    const CPoint origin = targetOrigin();
    CPoint source;
    if (isHorizontal())
    {
        // Scaled to the last column, so the largest value still shows a column of the bitmap.
        const int32_t x = quantise(shown, bitmap->getWidth() - 1);
        source = CPoint(x, 0);
        drawRect.left = x + origin.h;
        drawRect.right = drawRect.left + lineWidth;
    }
    else
    {
        const int32_t y = quantise(maximum - shown, bitmap->getHeight());
        source = CPoint(0, y);
        drawRect.top = y + origin.v;
        drawRect.bottom = drawRect.top + lineWidth;
    }
    bitmap->drawTransparent(target, drawRect, source);
    finishDrawing(context, target);
}

bool CLineMeter::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CLineMeter") == 0 || CMeterView::isTypeOf(type);
}
