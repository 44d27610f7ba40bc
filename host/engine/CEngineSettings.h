#pragma once
// What the host program sets in its engine, and what it can observe of the plug-in's use of
// it: gestalt answers, liveness, the largest real-time block, the services version and the
// personality idle calls.

#include <atomic>
#include <map>
#include <mutex>

#include "FicInterface.h"

class CEngineSettings
{
public:
    CEngineSettings();

    void SetGestalt(OSType selector, SInt32 answer);
    void RemoveGestalt(OSType selector);
    SInt16 Gestalt(OSType selector, SInt32* answer);

    std::atomic<SInt16> fInitFicResult{0};
    std::atomic<bool> fAlive{true};
    std::atomic<SInt32> fMaximumRTASQuantum{1024};
    std::atomic<SInt32> fPlugInServicesVersion{1};
    std::atomic<SInt32> fPersonalityIdleCalls{0};

private:
    std::mutex fMutex;
    std::map<OSType, SInt32> fGestalts;
};
