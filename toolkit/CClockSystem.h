// The system of a window without a pointer: nothing pressed, no events, the monotonic clock.
#pragma once

#include "CSystem.h"

class CClockSystem : public CSystem
{
public:
    static uint32_t monotonicTicks();

    int32_t getMouseButtons() override { return 0; }
    CPoint getMouseLocation() override { return {}; }
    uint32_t getTicks() override { return monotonicTicks(); }
    void processEvents() override {}
};
