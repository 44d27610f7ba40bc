#include "PixelAccess.h"

#include <cairo.h>

CColor unpremultiply(uint32_t argb)
{
    const auto alpha = static_cast<uint8_t>(argb >> 24);
    auto channel = [alpha](uint32_t value) {
        return static_cast<uint8_t>(alpha == 0 ? 0 : ((value & 0xFF) * 255 + alpha / 2) / alpha);
    };
    return {channel(argb >> 16), channel(argb >> 8), channel(argb), alpha};
}

uint32_t premultiply(const CColor& colour)
{
    auto channel = [&colour](uint8_t value) { return static_cast<uint32_t>((value * colour.alpha + 127) / 255); };
    return (static_cast<uint32_t>(colour.alpha) << 24) | (channel(colour.red) << 16) | (channel(colour.green) << 8) |
           channel(colour.blue);
}

CColor readSurfacePixel(cairo_surface_t* surface, int32_t x, int32_t y)
{
    cairo_surface_flush(surface);
    const int32_t width = cairo_image_surface_get_width(surface);
    const int32_t height = cairo_image_surface_get_height(surface);
    if (x < 0 || y < 0 || x >= width || y >= height)
        return {0, 0, 0, 0};
    const unsigned char* row = cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface);
    return unpremultiply(reinterpret_cast<const uint32_t*>(row)[x]);
}
