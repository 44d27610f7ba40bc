// Sanitizer builds: the sanitizer owns the allocator, so the host counts nothing.
#include "RealTimeAllocations.h"

bool RealTimeAllocations::Measurable()
{
    return false;
}

void RealTimeAllocations::WatchThisThread()
{
}

UInt32 RealTimeAllocations::Counted()
{
    return 0;
}
