#include "CClockSystem.h"

#include <chrono>

uint32_t CClockSystem::monotonicTicks()
{
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    // Wraps every 49 days; callers only compare differences.
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count());
}
