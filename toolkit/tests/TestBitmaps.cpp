#include "TestBitmaps.h"

CBitmap* makeStripes(int32_t width, int32_t height, StripeAxis axis)
{
    auto* bitmap = new CBitmap(width, height);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
        {
            const int32_t index = axis == StripeAxis::rows ? y : x;
            bitmap->setPixel(x, y, {static_cast<uint8_t>(index % 256), static_cast<uint8_t>(index / 256), 255, 255});
        }
    return bitmap;
}

CBitmap* makeSolid(int32_t width, int32_t height, const CColor& colour)
{
    auto* bitmap = new CBitmap(width, height);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            bitmap->setPixel(x, y, colour);
    return bitmap;
}

int32_t stripeIndex(const CColor& pixel)
{
    return pixel.blue == 255 && pixel.alpha == 255 ? pixel.red + 256 * pixel.green : -1;
}
