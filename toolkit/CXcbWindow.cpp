#include "CXcbWindow.h"

#include <cairo-xcb.h>

#include <cstdlib>
#include <cstring>

namespace
{
xcb_visualtype_t* findVisual(xcb_screen_t* screen)
{
    for (auto depth = xcb_screen_allowed_depths_iterator(screen); depth.rem; xcb_depth_next(&depth))
        for (auto visual = xcb_depth_visuals_iterator(depth.data); visual.rem; xcb_visualtype_next(&visual))
            if (visual.data->visual_id == screen->root_visual)
                return visual.data;
    return nullptr;
}
} // namespace

CXcbWindow::CXcbWindow(const char* displayName, int32_t width, int32_t height, const char* title)
    : CWindow(system), width(width), height(height), system(*this)
{
    connection = xcb_connect(displayName, nullptr);
    if (xcb_connection_has_error(connection) || !create(title))
        return;
    waitUntilExposed();
}

bool CXcbWindow::create(const char* title)
{
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    xcb_visualtype_t* visual = screen ? findVisual(screen) : nullptr;
    if (!visual)
        return false;
    window = xcb_generate_id(connection);
    const uint32_t values[] = {screen->black_pixel,
                               XCB_EVENT_MASK_EXPOSURE | XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE};
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, static_cast<uint16_t>(width),
                      static_cast<uint16_t>(height), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                      XCB_CW_BACK_PIXEL | XCB_CW_EVENT_MASK, values);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        static_cast<uint32_t>(std::strlen(title)), title);
    xcb_map_window(connection, window);
    xcb_flush(connection);
    surface = cairo_xcb_surface_create(connection, window, visual, width, height);
    return true;
}

void CXcbWindow::waitUntilExposed()
{
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection))
    {
        const bool exposed = (event->response_type & CXcbSystem::kEventTypeMask) == XCB_EXPOSE;
        std::free(event);
        if (exposed)
            return;
    }
}

// Cairo keeps a device per connection; finishing it lets a later connection that happens to
// get the same address start afresh.
CXcbWindow::~CXcbWindow()
{
    if (surface)
    {
        cairo_device_t* device = cairo_device_reference(cairo_surface_get_device(surface));
        cairo_surface_destroy(surface);
        cairo_device_finish(device);
        cairo_device_destroy(device);
    }
    if (window)
        xcb_destroy_window(connection, window);
    xcb_disconnect(connection);
}

void CXcbWindow::flush()
{
    if (surface)
        cairo_surface_flush(surface);
    xcb_flush(connection);
}

CColor CXcbWindow::getPixel(int32_t x, int32_t y) const
{
    xcb_get_image_reply_t* reply =
        xcb_get_image_reply(connection,
                            xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, static_cast<int16_t>(x),
                                          static_cast<int16_t>(y), 1, 1, ~0u),
                            nullptr);
    CColor colour{0, 0, 0, 0};
    if (reply && xcb_get_image_data_length(reply) >= 4)
    {
        const uint8_t* bytes = xcb_get_image_data(reply);
        // 24-bit depth arrives as 32-bit little-endian pixels: blue, green, red, unused.
        colour = {bytes[2], bytes[1], bytes[0], 255};
    }
    std::free(reply);
    return colour;
}
