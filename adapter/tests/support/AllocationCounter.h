#pragma once
// Counts the allocations made on the engine's real-time thread while counting is on. The
// executable that links AllocationCounter.cpp has its global operator new replaced.

#include <cstdint>

void StartCountingRealTimeAllocations();
// Stops counting; answers the allocations made on the real-time thread since the start.
int64_t StopCountingRealTimeAllocations();
