#include "CAnimKnob.h"

#include <cmath>
#include <cstring>
#include <numbers>

namespace
{
constexpr double kStartDegrees = 225;
constexpr double kRangeDegrees = 270;
} // namespace

CAnimKnob::CAnimKnob(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background,
                     const CPoint& offset)
    : CControl(size, listener, tag, background), strip(BitmapStrip::fromViewHeight(background, size)), offset(offset)
{
}

CAnimKnob::CAnimKnob(const CRect& size, CControlListener* listener, int32_t tag, int32_t frameCount,
                     int32_t frameHeight, CBitmap* background, const CPoint& offset)
    : CControl(size, listener, tag, background), strip{frameCount, frameHeight}, offset(offset)
{
}

void CAnimKnob::drawStripFrame(CDrawContext* context, int32_t frame)
{
    strip.drawFrame(context, background, size, frame, offset, transparent);
}

void CAnimKnob::draw(CDrawContext* context)
{
    drawStripFrame(context, strip.frameTruncated(shownValue()));
    updateHandlePoint();
    setDirty(false);
}

void CAnimKnob::valueToPoint(CPoint& point) const
{
    const double range = maximum - minimum;
    const double fraction = range != 0 ? (value - minimum) / range : 0;
    const double radians = (kStartDegrees - fraction * kRangeDegrees) * std::numbers::pi / 180;
    const double radius = size.width() / 2.0;
    point.h = static_cast<int32_t>(std::lround(radius + radius * std::cos(radians)));
    point.v = static_cast<int32_t>(std::lround(size.height() / 2.0 - radius * std::sin(radians)));
}

float CAnimKnob::valueFromPoint(const CPoint& point) const
{
    const double degrees =
        std::atan2(size.height() / 2.0 - point.v, point.h - size.width() / 2.0) * 180 / std::numbers::pi;
    double fromStart = kStartDegrees - degrees;
    if (fromStart >= 360)
        fromStart -= 360;
    double fraction = fromStart / kRangeDegrees;
    if (fraction > 1)
        fraction = fromStart > kRangeDegrees + (360 - kRangeDegrees) / 2 ? 0 : 1;
    return static_cast<float>(minimum + fraction * (maximum - minimum));
}

bool CAnimKnob::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CAnimKnob") == 0 || CControl::isTypeOf(type);
}
