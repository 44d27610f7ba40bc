// A key event as the host hands it over: a character, a virtual key and modifier bits.
#pragma once

#include <cstdint>

struct VstKeyCode
{
    int32_t character = 0; // the typed character, 0 for a virtual key
    uint8_t virt = 0;      // a virtual key number (see VirtualKey), 0 for a character
    uint8_t modifier = 0;  // kMouseShift... bits shifted down by 3
};

enum VirtualKey : uint8_t
{
    kVirtualBack = 1,
    kVirtualReturn = 4,
    kVirtualEscape = 6,
};
