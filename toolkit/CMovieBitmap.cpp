#include "CMovieBitmap.h"

#include <cstring>

CMovieBitmap::CMovieBitmap(const CRect& size, CControlListener* listener, int32_t tag, int32_t frameCount,
                           int32_t frameHeight, CBitmap* background, const CPoint& offset)
    : CControl(size, listener, tag, background), strip{frameCount, frameHeight}, offset(offset)
{
}

CMovieBitmap::CMovieBitmap(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background,
                           const CPoint& offset)
    : CControl(size, listener, tag, background), strip(BitmapStrip::fromViewHeight(background, size)), offset(offset)
{
}

void CMovieBitmap::draw(CDrawContext* context)
{
    strip.drawFrame(context, background, size, strip.frameNearest(value), offset, transparent);
    setDirty(false);
}

bool CMovieBitmap::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CMovieBitmap") == 0 || CControl::isTypeOf(type);
}
