// The mouse and wheel handling that the framework's knob and slider share.
#pragma once

#include <cstdint>

class CControl;
class CDrawContext;

struct QVControlGestures
{
    // Offers a click with modifiers to the listener; answers whether the listener took it over.
    static bool offerModifierClick(CControl& control, CDrawContext* context, int32_t buttons);
    // The listener's offer, then Option/Alt resetting the control to its default (reported once,
    // within an edit); answers whether the click is done with.
    static bool handleModifierClick(CControl& control, CDrawContext* context, int32_t buttons);
    // Moves the value by the wheel, finer with Command/Ctrl, and reports a change within an edit.
    static bool wheel(CControl& control, CDrawContext* context, float distance);
    static bool isFine(int32_t buttons);
};
