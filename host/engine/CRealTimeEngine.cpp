#include "CRealTimeEngine.h"

#include <algorithm>

#include "FicErrors.h"

CRealTimeEngine::~CRealTimeEngine()
{
    Stop();
}

SInt16 CRealTimeEngine::Register(SRTASInstanceBlock* block, FicRenderWorker worker)
{
    if (block == nullptr || worker == nullptr || block->fDescriptor == nullptr)
        return kFicBadArgument;
    std::lock_guard lock(fInstancesMutex);
    fInstances.push_back({block, worker});
    return kFicNoError;
}

void CRealTimeEngine::Unregister(SRTASInstanceBlock* block)
{
    std::lock_guard lock(fInstancesMutex);
    std::erase_if(fInstances, [block](const SInstance& instance) { return instance.block == block; });
}

size_t CRealTimeEngine::GetNumInstances()
{
    std::lock_guard lock(fInstancesMutex);
    return fInstances.size();
}

void CRealTimeEngine::Start(EPacing pacing)
{
    if (IsRunning())
        return;
    fStopRequested.store(false);
    fThread = std::thread([this, pacing] { Run(pacing); });
}

void CRealTimeEngine::Stop()
{
    if (!IsRunning())
        return;
    fStopRequested.store(true);
    fThread.join();
    fThreadId.store(std::thread::id());
}

// Instances change only between blocks, so that unregistering waits for the block in progress.
void CRealTimeEngine::RenderBlock()
{
    {
        std::lock_guard lock(fInstancesMutex);
        fGlobals.fBlockLength = GetBlockLength();
        for (const SInstance& instance : fInstances)
            instance.worker(instance.block, &fGlobals);
    }
    {
        std::lock_guard lock(fProgressMutex);
        fBlocksRendered.fetch_add(1, std::memory_order_release);
    }
    fProgress.notify_all();
}

void CRealTimeEngine::Run(EPacing pacing)
{
    fThreadId.store(std::this_thread::get_id());
    auto deadline = std::chrono::steady_clock::now();
    while (!fStopRequested.load())
    {
        RenderBlock();
        if (pacing != EPacing::eSoundCard)
            continue;
        const SInt32 rate = std::max<SInt32>(fSampleRate.load(std::memory_order_relaxed), 1);
        deadline += std::chrono::microseconds(SInt64(GetBlockLength()) * 1000000 / rate);
        std::this_thread::sleep_until(deadline);
    }
}

bool CRealTimeEngine::WaitForBlocks(UInt64 count, std::chrono::milliseconds timeout)
{
    std::unique_lock lock(fProgressMutex);
    const UInt64 target = GetBlocksRendered() + count;
    return fProgress.wait_for(lock, timeout, [&] { return GetBlocksRendered() >= target; });
}
