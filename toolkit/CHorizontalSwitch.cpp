#include "CHorizontalSwitch.h"

#include <cstring>

CHorizontalSwitch::CHorizontalSwitch(const CRect& size, CControlListener* listener, int32_t tag,
                                     CBitmap* background, const CPoint& offset)
    : CControl(size, listener, tag, background), strip(BitmapStrip::fromViewHeight(background, size)),
      positionCount(strip.frameCount), offset(offset)
{
}

CHorizontalSwitch::CHorizontalSwitch(const CRect& size, CControlListener* listener, int32_t tag,
                                     int32_t frameCount, int32_t frameHeight, int32_t positionCount,
                                     CBitmap* background, const CPoint& offset)
    : CControl(size, listener, tag, background), strip{frameCount, frameHeight}, positionCount(positionCount),
      offset(offset)
{
}

void CHorizontalSwitch::draw(CDrawContext* context)
{
    strip.drawFrame(context, background, size, strip.frameNearest(value), offset, transparent);
    setDirty(false);
}

bool CHorizontalSwitch::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CHorizontalSwitch") == 0 || CControl::isTypeOf(type);
}
