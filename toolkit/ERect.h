// The editor's window rectangle as the host exchanges it: signed 16-bit values.
#pragma once

#include <cstdint>

struct ERect
{
    int16_t top = 0;
    int16_t left = 0;
    int16_t bottom = 0;
    int16_t right = 0;
};
