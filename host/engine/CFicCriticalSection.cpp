#include "CFicCriticalSection.h"

bool CFicCriticalSection::HeldByOther() const
{
    return fDepth > 0 && fHolder != std::this_thread::get_id();
}

void CFicCriticalSection::Enter()
{
    std::unique_lock lock(fMutex);
    fReleased.wait(lock, [this] { return !HeldByOther(); });
    fHolder = std::this_thread::get_id();
    ++fDepth;
}

bool CFicCriticalSection::TryEnter()
{
    std::lock_guard lock(fMutex);
    if (HeldByOther())
        return false;
    fHolder = std::this_thread::get_id();
    ++fDepth;
    return true;
}

void CFicCriticalSection::Leave()
{
    std::lock_guard lock(fMutex);
    if (fDepth == 0 || fHolder != std::this_thread::get_id())
        return;
    if (--fDepth == 0)
    {
        fHolder = std::thread::id();
        fReleased.notify_one();
    }
}
