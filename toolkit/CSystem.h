// What the toolkit asks of the system: the mouse, the modifier keys, a millisecond clock and the
// pending window events. Every window has one; tests give theirs a scripted one.
#pragma once

#include "CPoint.h"

#include <cstdint>

class CSystem
{
public:
    virtual ~CSystem() = default;

    // Buttons and modifiers now down (MouseButtons.h).
    virtual int32_t getMouseButtons() = 0;
    // One poll of the pointer, in the window's coordinates.
    virtual CPoint getMouseLocation() = 0;
    virtual uint32_t getTicks() = 0;
    // Handles the window events that have arrived (expose, clicks).
    virtual void processEvents() = 0;
};
