#include "CMeterView.h"

#include "COffscreenContext.h"

#include <algorithm>
#include <cmath>
#include <cstring>

CMeterView::CMeterView(const CRect& size, int32_t stepCount, int32_t style)
    : CControl(size), drawRect(CRect(size).normalize()), stepCount(stepCount), style(style)
{
}

CMeterView::~CMeterView()
{
    discardOffscreen();
}

void CMeterView::setDirty(bool value)
{
    CView::setDirty(value);
}

void CMeterView::discardOffscreen()
{
    delete offscreen;
    offscreen = nullptr;
}

void CMeterView::prepareTarget()
{
    if (useOffscreen)
    {
        offscreen = new COffscreenContext(frame, std::max(size.width(), 1), std::max(size.height(), 1), kBlackCColor);
        drawRect = CRect(0, 0, size.width(), size.height()).normalize();
    }
    else if (!size.isEmpty())
        drawRect = CRect(size).normalize();
    // An empty view keeps the area it was made with: hidden before it was added, it still knows
    // the columns it draws in once it is placed.
}

bool CMeterView::attached(CView* parent)
{
    CControl::attached(parent);
    discardOffscreen();
    prepareTarget();
    return true;
}

bool CMeterView::removed(CView* parent)
{
    discardOffscreen();
    return CControl::removed(parent);
}

float CMeterView::fallOff()
{
    bounceValue();
    const float shown = std::max(oldValue - decreaseStepValue, value);
    setOldValue(shown);
    return shown;
}

CDrawContext* CMeterView::beginDrawing(CDrawContext* context)
{
    if (useOffscreen && !offscreen)
        prepareTarget();
    CDrawContext* target = offscreen ? offscreen : context;
    if (offscreen)
        offscreen->clear(kBlackCColor); // else a falling bar would leave its old rows lit
    target->saveClip(offscreen ? CRect(0, 0, offscreen->getWidth(), offscreen->getHeight()) : size);
    return target;
}

void CMeterView::finishDrawing(CDrawContext* context, CDrawContext* target)
{
    target->restoreClip();
    if (offscreen)
        offscreen->copyFrom(context, size, CPoint(0, 0));
    setDirty(false);
}

int32_t CMeterView::quantise(float fraction, int32_t extent) const
{
    if (stepCount <= 0 || !std::isfinite(fraction))
        return 0;
    const auto steps = static_cast<float>(stepCount);
    const float step = std::trunc(steps * fraction + 0.5f);
    const float position = std::trunc(step / steps * static_cast<float>(extent));
    // Far outside the view is as good as just outside; the conversion needs a bounded value.
    return static_cast<int32_t>(std::clamp(position, -1e6f, 1e6f));
}

CPoint CMeterView::targetOrigin() const
{
    return offscreen ? CPoint() : CPoint(size.left, size.top);
}

bool CMeterView::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CMeterView") == 0 || CControl::isTypeOf(type);
}
