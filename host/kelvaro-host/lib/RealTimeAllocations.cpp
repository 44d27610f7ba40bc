#include "RealTimeAllocations.h"

#include <atomic>
#include <cerrno>
#include <cstddef>

extern "C"
{
    void* __libc_malloc(size_t size);
    void* __libc_calloc(size_t count, size_t size);
    void* __libc_realloc(void* memory, size_t size);
    void* __libc_memalign(size_t alignment, size_t size);
}

namespace
{
thread_local bool tWatched = false;
std::atomic<UInt32> gCounted{0};

void Note()
{
    if (tWatched)
        gCounted.fetch_add(1, std::memory_order_relaxed);
}
} // namespace

bool RealTimeAllocations::Measurable()
{
    return true;
}

void RealTimeAllocations::WatchThisThread()
{
    tWatched = true;
}

UInt32 RealTimeAllocations::Counted()
{
    return gCounted.load(std::memory_order_relaxed);
}

// The allocator's entry points, counted and handed to the C library's own.
extern "C"
{
    void* malloc(size_t size) noexcept
    {
        Note();
        return __libc_malloc(size);
    }

    void* calloc(size_t count, size_t size) noexcept
    {
        Note();
        return __libc_calloc(count, size);
    }

    void* realloc(void* memory, size_t size) noexcept
    {
        Note();
        return __libc_realloc(memory, size);
    }

    void* memalign(size_t alignment, size_t size) noexcept
    {
        Note();
        return __libc_memalign(alignment, size);
    }

    void* aligned_alloc(size_t alignment, size_t size) noexcept
    {
        Note();
        return __libc_memalign(alignment, size);
    }

    int posix_memalign(void** memory, size_t alignment, size_t size) noexcept
    {
        Note();
        *memory = __libc_memalign(alignment, size);
        return *memory != nullptr ? 0 : ENOMEM;
    }
}
