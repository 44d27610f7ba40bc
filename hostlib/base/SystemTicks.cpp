#include "SystemTicks.h"

#include <chrono>

UInt32 TickCount()
{
    using Tick = std::chrono::duration<int64_t, std::ratio<1, 60>>;
    return UInt32(std::chrono::duration_cast<Tick>(std::chrono::steady_clock::now().time_since_epoch()).count());
}
