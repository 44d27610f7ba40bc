#pragma once
// The engine's real-time side: one thread that renders every registered instance, block after
// block, with its instance block and the engine's real-time globals. It is paced like a sound
// card (one block per block length of time at the sample rate) or runs as fast as it can. The
// host program starts and stops it and sets the block length; plug-ins register instances.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "FicInterface.h"
#include "SRTASInstance.h"

class CRealTimeEngine
{
public:
    enum class EPacing
    {
        eSoundCard,
        eAsFastAsPossible
    };

    CRealTimeEngine() = default;
    ~CRealTimeEngine();
    CRealTimeEngine(const CRealTimeEngine&) = delete;
    CRealTimeEngine& operator=(const CRealTimeEngine&) = delete;

    // ---- Plug-in side. After Unregister returns the worker is not called for that block again.
    SInt16 Register(SRTASInstanceBlock* block, FicRenderWorker worker);
    void Unregister(SRTASInstanceBlock* block);
    size_t GetNumInstances();

    // ---- Host program side
    void Start(EPacing pacing);
    void Stop();
    // From a worker or tap on the real-time thread: the block in progress is the last one
    // (a transport stopping at the end). Stop() still joins the thread.
    void RequestStop() { fStopRequested.store(true, std::memory_order_relaxed); }
    bool IsRunning() const { return fThread.joinable(); }
    // Takes effect from the next block.
    void SetBlockLength(SInt32 samples) { fBlockLength.store(samples, std::memory_order_relaxed); }
    SInt32 GetBlockLength() const { return fBlockLength.load(std::memory_order_relaxed); }
    void SetSampleRate(SInt32 rate) { fSampleRate.store(rate, std::memory_order_relaxed); }
    UInt64 GetBlocksRendered() const { return fBlocksRendered.load(std::memory_order_acquire); }
    // Waits until that many more blocks were rendered than when called; false on timeout.
    bool WaitForBlocks(UInt64 count, std::chrono::milliseconds timeout);
    bool IsRealTimeThread() const { return std::this_thread::get_id() == fThreadId.load(); }

private:
    struct SInstance
    {
        SRTASInstanceBlock* block;
        FicRenderWorker worker;
    };

    void Run(EPacing pacing);
    void RenderBlock();

    std::mutex fInstancesMutex;
    std::vector<SInstance> fInstances;
    std::thread fThread;
    std::atomic<std::thread::id> fThreadId{};
    std::atomic<bool> fStopRequested{false};
    std::atomic<SInt32> fBlockLength{512};
    std::atomic<SInt32> fSampleRate{44100};
    std::atomic<UInt64> fBlocksRendered{0};
    std::mutex fProgressMutex;
    std::condition_variable fProgress;
    SRTGlobals fGlobals = {};  // the real-time thread's own
};
