#include "CXcbSystem.h"

#include "CDrawContext.h"
#include "CFrame.h"
#include "CXcbWindow.h"
#include "MouseButtons.h"

#include <cstdlib>
#include <iterator>
#include <utility>

namespace
{
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

// The modifiers held with a press and its own button.
int32_t buttonsOfPress(const xcb_button_press_event_t& press)
{
    constexpr int32_t kButtonOfDetail[] = {0, kMouseLeft, kMouseMiddle, kMouseRight};
    const int32_t button = press.detail < std::size(kButtonOfDetail) ? kButtonOfDetail[press.detail] : 0;
    return buttonsFromState(press.state) | button;
}

constexpr uint8_t kWheelUp = 4;
constexpr uint8_t kWheelDown = 5;
} // namespace

CXcbSystem::PointerState CXcbSystem::queryPointer() const
{
    xcb_query_pointer_reply_t* reply = xcb_query_pointer_reply(
        window.getConnection(), xcb_query_pointer(window.getConnection(), window.getWindowId()), nullptr);
    PointerState state;
    if (reply)
        state = {CPoint(reply->win_x, reply->win_y), buttonsFromState(reply->mask)};
    std::free(reply);
    return state;
}

int32_t CXcbSystem::getMouseButtons()
{
    return queryPointer().buttons | std::exchange(notedButtons, 0);
}

void CXcbSystem::notePress(const xcb_button_press_event_t& press)
{
    notedButtons = buttonsOfPress(press);
}

CPoint CXcbSystem::getMouseLocation()
{
    return queryPointer().where;
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
            frame->mouse(&context, where, buttonsOfPress(*press));
        inMouse = false;
    }
}

