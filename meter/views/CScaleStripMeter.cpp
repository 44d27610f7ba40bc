#include "CScaleStripMeter.h"

#include "CBitmap.h"

CScaleStripMeter::CScaleStripMeter(const CRect& size, CBitmap* bitmap, int32_t stepCount, int32_t style)
    : CMeterView(size, stepCount, style), bitmap(bitmap)
{
    if (bitmap)
        bitmap->remember();
}

CScaleStripMeter::~CScaleStripMeter()
{
    if (bitmap)
        bitmap->forget();
}

void CScaleStripMeter::draw(CDrawContext* context)
{
    if (!bitmap)
        return;
    const float shown = fallOff();
    CDrawContext* target = beginDrawing(context);
    const CPoint source = placeStrip(shown, targetOrigin());
    bitmap->drawTransparent(target, drawRect, source);
    finishDrawing(context, target);
}
