// The system of an X11 window: the X server reports the pointer, the buttons and the modifier
// keys; its events redraw and click the window's frame.
#pragma once

#include "CClockSystem.h"

#include <xcb/xcb.h>

class CXcbWindow;

class CXcbSystem : public CClockSystem
{
public:
    explicit CXcbSystem(CXcbWindow& window) : window(window) {}

    // The pointer's buttons as the server reports them, plus those of a press noted since the
    // last call.
    int32_t getMouseButtons() override;
    CPoint getMouseLocation() override;
    void processEvents() override;

    // For a host that reads the window's events itself and hands a press to the frame's owner:
    // the press counts as held for the next button query, even when a quick click has already
    // been released at the server.
    void notePress(const xcb_button_press_event_t& press);

    // The event code without the bit that marks events sent by other clients.
    static constexpr uint8_t kEventTypeMask = 0x7F;

private:
    struct PointerState
    {
        CPoint where;
        int32_t buttons = 0;
    };
    PointerState queryPointer() const;
    void dispatch(xcb_generic_event_t* event);

    CXcbWindow& window;
    bool inMouse = false; // a drag loop is running; a new press waits for it
    int32_t notedButtons = 0;
};
