#include "CXcbWindow.h"

#include "CDrawContext.h"
#include "CFrame.h"
#include "MouseButtons.h"

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

int32_t buttonsFromState(uint16_t state)
{
    int32_t buttons = 0;
    if (state & XCB_BUTTON_MASK_1)
        buttons |= kMouseLeft;
    if (state & XCB_BUTTON_MASK_2)
        buttons |= kMouseMiddle;
    if (state & XCB_BUTTON_MASK_3)
        buttons |= kMouseRight;
    if (state & XCB_MOD_MASK_SHIFT)
        buttons |= kMouseShift;
    if (state & XCB_MOD_MASK_CONTROL)
        buttons |= kMouseCommand;
    if (state & XCB_MOD_MASK_1)
        buttons |= kMouseOption;
    if (state & XCB_MOD_MASK_4)
        buttons |= kMouseControl;
    return buttons;
}

constexpr uint8_t kEventTypeMask = 0x7F;
constexpr uint8_t kWheelUp = 4;
constexpr uint8_t kWheelDown = 5;
} // namespace

int32_t CXcbSystem::getMouseButtons()
{
    xcb_query_pointer_reply_t* reply = xcb_query_pointer_reply(
        window.getConnection(), xcb_query_pointer(window.getConnection(), window.getWindowId()), nullptr);
    const int32_t buttons = reply ? buttonsFromState(reply->mask) : 0;
    std::free(reply);
    return buttons;
}

CPoint CXcbSystem::getMouseLocation()
{
    xcb_query_pointer_reply_t* reply = xcb_query_pointer_reply(
        window.getConnection(), xcb_query_pointer(window.getConnection(), window.getWindowId()), nullptr);
    const CPoint where = reply ? CPoint(reply->win_x, reply->win_y) : CPoint();
    std::free(reply);
    return where;
}

void CXcbSystem::processEvents()
{
    while (xcb_generic_event_t* event = xcb_poll_for_event(window.getConnection()))
    {
        dispatch(event);
        std::free(event);
    }
}

void CXcbSystem::dispatch(xcb_generic_event_t* event)
{
    CFrame* frame = window.getFrame();
    if (!frame)
        return;
    const uint8_t type = event->response_type & kEventTypeMask;
    if (type == XCB_EXPOSE)
    {
        const auto* expose = reinterpret_cast<xcb_expose_event_t*>(event);
        CDrawContext context(frame, &window);
        frame->drawRect(&context, CRect(expose->x, expose->y, expose->x + expose->width, expose->y + expose->height));
    }
    else if (type == XCB_BUTTON_PRESS && !inMouse)
    {
        const auto* press = reinterpret_cast<xcb_button_press_event_t*>(event);
        CDrawContext context(frame, &window);
        CPoint where(press->event_x, press->event_y);
        inMouse = true;
        if (press->detail == kWheelUp || press->detail == kWheelDown)
            frame->onWheel(&context, where, press->detail == kWheelUp ? 1.0f : -1.0f);
        else if (press->detail == 1)
            frame->mouse(&context, where, buttonsFromState(press->state) | kMouseLeft);
        inMouse = false;
    }
}

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
        const bool exposed = (event->response_type & kEventTypeMask) == XCB_EXPOSE;
        std::free(event);
        if (exposed)
            return;
    }
}

CXcbWindow::~CXcbWindow()
{
    if (surface)
        cairo_surface_destroy(surface);
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
