#pragma once
// A critical section that its holder may enter again; each enter needs its leave. A leave by a
// thread that does not hold the section is ignored.

#include <condition_variable>
#include <mutex>
#include <thread>

#include "HostTypes.h"

class CFicCriticalSection
{
public:
    void Enter();
    bool TryEnter();
    void Leave();

private:
    bool HeldByOther() const;

    std::mutex fMutex;
    std::condition_variable fReleased;
    std::thread::id fHolder;
    SInt32 fDepth = 0;
};
