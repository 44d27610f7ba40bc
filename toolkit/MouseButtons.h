// Mouse button and modifier bits of a button state; -1 asks the system for the current state.
#pragma once

#include <cstdint>

enum MouseButton : int32_t
{
    kMouseLeft = 0x01,
    kMouseMiddle = 0x02,
    kMouseRight = 0x04,
    kMouseShift = 0x08,
    kMouseCommand = 0x10, // Command on the Mac, Ctrl elsewhere
    kMouseOption = 0x20,  // Option on the Mac, Alt elsewhere
    kMouseControl = 0x40, // the Mac's Control key
    kMouseModifiers = 0x78,
};

constexpr int32_t kAskSystemButtons = -1;
// The button state with which CControl::checkDefaultValue resets a control to its default.
constexpr int32_t kDefaultValueButtons = kMouseLeft | kMouseCommand;
