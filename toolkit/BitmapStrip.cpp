#include "BitmapStrip.h"

#include "CBitmap.h"

#include <algorithm>
#include <cmath>

BitmapStrip BitmapStrip::fromViewHeight(const CBitmap* bitmap, const CRect& view)
{
    const int32_t height = std::max(view.height(), 0);
    const int32_t frames = bitmap && height > 0 ? bitmap->getHeight() / height : 1;
    return {std::max(frames, 1), height};
}

int32_t BitmapStrip::clampFrame(int32_t frame) const
{
    return std::clamp(frame, 0, std::max(frameCount - 1, 0));
}

int32_t BitmapStrip::frameAt(float position) const
{
    // Clamped before the conversion, which is undefined for values out of int range.
    return clampFrame(std::isfinite(position) ? static_cast<int32_t>(std::clamp(position, -1.0f, 1e6f)) : 0);
}

int32_t BitmapStrip::frameTruncated(float value) const
{
    return frameAt(value * static_cast<float>(frameCount - 1));
}

int32_t BitmapStrip::frameNearest(float value) const
{
    return frameAt(value * static_cast<float>(frameCount - 1) + 0.5f);
}

void BitmapStrip::drawFrame(CDrawContext* context, CBitmap* bitmap, const CRect& rect, int32_t frame,
                            const CPoint& offset, bool transparent) const
{
    if (!bitmap)
        return;
    const CPoint source(offset.h, offset.v + clampFrame(frame) * frameHeight);
    if (transparent)
        bitmap->drawTransparent(context, rect, source);
    else
        bitmap->draw(context, rect, source);
}
