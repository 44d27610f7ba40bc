// A real X11 window: the frame draws into it, redraws what an expose uncovers, and gets its
// clicks and wheel turns.
#pragma once

#include "CColor.h"
#include "CWindow.h"
#include "CXcbSystem.h"

#include <xcb/xcb.h>

class CXcbWindow : public CWindow
{
public:
    // displayName null takes $DISPLAY. Check isOpen() before use.
    CXcbWindow(const char* displayName, int32_t width, int32_t height, const char* title = "Kelvaro");
    ~CXcbWindow() override;

    bool isOpen() const { return surface != nullptr; }
    cairo_surface_t* getSurface() override { return surface; }
    void flush() override;
    int32_t getWidth() const override { return width; }
    int32_t getHeight() const override { return height; }

    // Reads a pixel back from the server.
    CColor getPixel(int32_t x, int32_t y) const;

    xcb_connection_t* getConnection() const { return connection; }
    CXcbSystem& getXcbSystem() { return system; }
    xcb_window_t getWindowId() const { return window; }

private:
    bool create(const char* title);
    void waitUntilExposed();

    int32_t width;
    int32_t height;
    xcb_connection_t* connection = nullptr;
    xcb_window_t window = 0;
    cairo_surface_t* surface = nullptr;
    CXcbSystem system;
};
