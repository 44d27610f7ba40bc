// Pixels of a PNG file, read with cairo alone: the committed bitmaps and saved snapshots are
// checked independently of the toolkit that draws them.
#pragma once

#include "CColor.h"

#include <cairo.h>

#include <cstdint>
#include <cstdio>
#include <string>

class PngPixels
{
public:
    explicit PngPixels(const std::string& path) : image(cairo_image_surface_create_from_png(path.c_str())) {}
    ~PngPixels() { cairo_surface_destroy(image); }
    PngPixels(const PngPixels&) = delete;
    PngPixels& operator=(const PngPixels&) = delete;

    // The window's bitmap with this number.
    static std::string bitmapPath(int32_t number)
    {
        char name[32];
        std::snprintf(name, sizeof name, "/bmp%05d.png", number);
        return KELVARO_BITMAP_DIR + std::string(name);
    }

    bool loaded() const { return cairo_surface_status(image) == CAIRO_STATUS_SUCCESS; }
    int32_t width() const { return cairo_image_surface_get_width(image); }
    int32_t height() const { return cairo_image_surface_get_height(image); }

    // Meant for opaque pixels (the bitmaps' see-through parts are magenta, not alpha); transparent
    // black outside the image or without one.
    CColor at(int32_t x, int32_t y) const
    {
        if (!loaded() || x < 0 || y < 0 || x >= width() || y >= height())
            return {0, 0, 0, 0};
        cairo_surface_flush(image);
        const auto* row = cairo_image_surface_get_data(image) + y * cairo_image_surface_get_stride(image);
        const uint32_t argb = reinterpret_cast<const uint32_t*>(row)[x];
        return {uint8_t(argb >> 16), uint8_t(argb >> 8), uint8_t(argb), uint8_t(argb >> 24)};
    }

private:
    cairo_surface_t* image;
};
