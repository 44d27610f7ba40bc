// A window that is only an image in memory, owned by its caller: everything runs headless, and
// the caller reads the pixels or saves them as PNG. Without a system of its own choosing it
// reports no mouse and the monotonic clock.
#pragma once

#include "CClockSystem.h"
#include "CColor.h"
#include "CWindow.h"

class COffscreenWindow : public CWindow
{
public:
    COffscreenWindow(int32_t width, int32_t height, CSystem* system = nullptr);
    ~COffscreenWindow() override;

    cairo_surface_t* getSurface() override { return surface; }
    int32_t getWidth() const override;
    int32_t getHeight() const override;

    void fill(const CColor& colour);
    // The pixel at (x, y); transparent black outside the image.
    CColor getPixel(int32_t x, int32_t y) const;
    bool savePng(const char* path) const;

private:
    CClockSystem clock;
    cairo_surface_t* surface;
};
