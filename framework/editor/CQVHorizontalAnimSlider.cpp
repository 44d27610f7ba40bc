#include "CQVHorizontalAnimSlider.h"

#include "CBitmap.h"
#include "CFrame.h"
#include "MouseButtons.h"
#include "QVControlGestures.h"

#include <cstring>

namespace
{
constexpr double kFineShare = 0.25;
}

CQVHorizontalAnimSlider::CQVHorizontalAnimSlider(const CRect& size, CControlListener* listener, int32_t tag,
                                                 CBitmap* background, const CPoint& offset, float travel)
    : CHorizontalSwitch(size, listener, tag, background, offset), travel(travel)
{
}

CQVHorizontalAnimSlider::CQVHorizontalAnimSlider(const CRect& size, CControlListener* listener, int32_t tag,
                                                 int32_t frameCount, int32_t frameHeight, int32_t positionCount,
                                                 CBitmap* background, const CPoint& offset, float travel)
    : CHorizontalSwitch(size, listener, tag, frameCount, frameHeight, positionCount, background, offset),
      travel(travel)
{
}

void CQVHorizontalAnimSlider::mouse(CDrawContext* context, CPoint& where, int32_t buttons)
{
    if (!mouseEnabled || !frame)
        return;
    buttons = resolveButtons(buttons);
    if (!(buttons & kMouseLeft) || QVControlGestures::handleModifierClick(*this, context, buttons))
        return;

    const double width = background ? background->getWidth() : 0;
    const double span = width * travel;
    if (span <= 0)
        return; // nothing to travel along
    const double margin = (width - span) * 0.5;
    auto anchor = static_cast<int32_t>(size.left + margin + value * span);

    beginEdit();
    while ((buttons = frame->getCurrentMouseButtons()) & kMouseLeft)
    {
        if (QVControlGestures::isFine(buttons))
            value = static_cast<float>((anchor + (where.h - anchor) * kFineShare - size.left - margin) / span);
        else
        {
            value = static_cast<float>((where.h - size.left - margin) / span);
            anchor = where.h;
        }
        bounceValue();
        reportIfChanged(context);
        frame->getCurrentMouseLocation(where);
        frame->doIdleStuff();
    }
    endEdit();
}

bool CQVHorizontalAnimSlider::onWheel(CDrawContext* context, const CPoint&, float distance)
{
    return QVControlGestures::wheel(*this, context, distance);
}

bool CQVHorizontalAnimSlider::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CQVHorizontalSlider") == 0 || CHorizontalSwitch::isTypeOf(type);
}
