#pragma once
// Counting the allocations made on the real-time thread: the host program replaces the
// allocator's entry points and counts calls from threads that asked to be watched.

#include "HostTypes.h"

namespace RealTimeAllocations
{
// False in builds whose allocator belongs to a sanitizer: nothing is counted there.
bool Measurable();
// Called on the real-time thread; cheap enough for every block.
void WatchThisThread();
UInt32 Counted();
} // namespace RealTimeAllocations
