#include "AllocationCounter.h"

#include <atomic>
#include <cstdlib>
#include <new>

#include "CHostEngine.h"

namespace
{
std::atomic<bool> gCounting{false};
std::atomic<int64_t> gRealTimeAllocations{0};

void CountIfRealTime()
{
    if (gCounting.load(std::memory_order_relaxed) && CHostEngine::Instance().RealTime().IsRealTimeThread())
        gRealTimeAllocations.fetch_add(1, std::memory_order_relaxed);
}

void* Allocate(std::size_t size)
{
    CountIfRealTime();
    if (void* memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}

void* AllocateAligned(std::size_t size, std::align_val_t alignment)
{
    CountIfRealTime();
    const std::size_t align = std::size_t(alignment);
    if (void* memory = std::aligned_alloc(align, (size + align - 1) / align * align))
        return memory;
    throw std::bad_alloc();
}
} // namespace

void StartCountingRealTimeAllocations()
{
    gRealTimeAllocations.store(0);
    gCounting.store(true);
}

int64_t StopCountingRealTimeAllocations()
{
    gCounting.store(false);
    return gRealTimeAllocations.load();
}

void* operator new(std::size_t size)
{
    return Allocate(size);
}
void* operator new[](std::size_t size)
{
    return Allocate(size);
}
void* operator new(std::size_t size, std::align_val_t alignment)
{
    return AllocateAligned(size, alignment);
}
void* operator new[](std::size_t size, std::align_val_t alignment)
{
    return AllocateAligned(size, alignment);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    CountIfRealTime();
    return std::malloc(size == 0 ? 1 : size);
}
void* operator new[](std::size_t size, const std::nothrow_t& nothrow) noexcept
{
    return operator new(size, nothrow);
}
void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept
{
    try
    {
        return AllocateAligned(size, alignment);
    }
    catch (const std::bad_alloc&)
    {
        return nullptr;
    }
}
void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t& nothrow) noexcept
{
    return operator new(size, alignment, nothrow);
}
void operator delete(void* memory, std::align_val_t, const std::nothrow_t&) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory, std::align_val_t, const std::nothrow_t&) noexcept
{
    std::free(memory);
}
void operator delete(void* memory, const std::nothrow_t&) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory, const std::nothrow_t&) noexcept
{
    std::free(memory);
}
void operator delete(void* memory) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory) noexcept
{
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept
{
    std::free(memory);
}
void operator delete(void* memory, std::align_val_t) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory, std::align_val_t) noexcept
{
    std::free(memory);
}
void operator delete(void* memory, std::size_t, std::align_val_t) noexcept
{
    std::free(memory);
}
void operator delete[](void* memory, std::size_t, std::align_val_t) noexcept
{
    std::free(memory);
}
