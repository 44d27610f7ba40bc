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

    int32_t getMouseButtons() override;
    CPoint getMouseLocation() override;
    void processEvents() override;

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
};
