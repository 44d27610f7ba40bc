// The engine's real-time thread: what it calls, with what, and when it stops calling.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>

#include "CRealTimeEngine.h"
#include "FicErrors.h"

namespace
{
using namespace std::chrono_literals;

struct SWorkerLog
{
    std::atomic<SInt32> calls{0};
    std::atomic<SInt32> lastBlockLength{0};
    std::atomic<bool> onOtherThread{false};
    std::atomic<SRTASInstanceBlock*> lastBlock{nullptr};
    CRealTimeEngine* engine = nullptr;
};

SWorkerLog gLog;

void Worker(SRTASInstanceBlock* block, SRTGlobals* globals)
{
    if (!gLog.engine->IsRealTimeThread())
        gLog.onOtherThread = true;
    gLog.lastBlock = block;
    gLog.lastBlockLength = globals->fBlockLength;
    gLog.calls.fetch_add(1);
}

class RealTimeEngine : public testing::Test
{
protected:
    void SetUp() override
    {
        gLog.calls = 0;
        gLog.onOtherThread = false;
        gLog.engine = &fEngine;
    }

    CRealTimeEngine fEngine;
    SRTASInstanceDescriptor fDescriptor = {};
    SRTASInstanceBlock fBlock = {{}, &fDescriptor};
};

TEST_F(RealTimeEngine, RendersEachInstanceOnItsOwnThreadWithTheCurrentBlockLength)
{
    ASSERT_EQ(fEngine.Register(&fBlock, Worker), kFicNoError);
    fEngine.SetBlockLength(300);
    fEngine.Start(CRealTimeEngine::EPacing::eSoundCard);
    ASSERT_TRUE(fEngine.WaitForBlocks(2, 5s));
    fEngine.SetBlockLength(40);
    ASSERT_TRUE(fEngine.WaitForBlocks(2, 5s));
    fEngine.Stop();
    EXPECT_FALSE(gLog.onOtherThread);
    EXPECT_GE(gLog.calls, 4);
    EXPECT_EQ(gLog.lastBlock, &fBlock);
    EXPECT_EQ(gLog.lastBlockLength, 40);
    EXPECT_FALSE(fEngine.IsRealTimeThread());
}

TEST_F(RealTimeEngine, AnUnregisteredInstanceIsNotCalledAgain)
{
    ASSERT_EQ(fEngine.Register(&fBlock, Worker), kFicNoError);
    fEngine.Start(CRealTimeEngine::EPacing::eAsFastAsPossible);
    ASSERT_TRUE(fEngine.WaitForBlocks(2, 5s));
    fEngine.Unregister(&fBlock);
    const SInt32 callsAtUnregister = gLog.calls;
    ASSERT_TRUE(fEngine.WaitForBlocks(5, 5s));
    fEngine.Stop();
    EXPECT_EQ(gLog.calls, callsAtUnregister);
    EXPECT_EQ(fEngine.GetNumInstances(), 0u);
}

TEST_F(RealTimeEngine, RefusesAnInstanceWithoutBlockWorkerOrDescriptor)
{
    SRTASInstanceBlock withoutDescriptor = {};
    EXPECT_EQ(fEngine.Register(nullptr, Worker), kFicBadArgument);
    EXPECT_EQ(fEngine.Register(&fBlock, nullptr), kFicBadArgument);
    EXPECT_EQ(fEngine.Register(&withoutDescriptor, Worker), kFicBadArgument);
    EXPECT_EQ(fEngine.GetNumInstances(), 0u);
}

TEST_F(RealTimeEngine, StartAndStopCanBeRepeated)
{
    fEngine.Stop();
    fEngine.Start(CRealTimeEngine::EPacing::eAsFastAsPossible);
    fEngine.Start(CRealTimeEngine::EPacing::eAsFastAsPossible);
    EXPECT_TRUE(fEngine.IsRunning());
    ASSERT_TRUE(fEngine.WaitForBlocks(1, 5s));
    fEngine.Stop();
    EXPECT_FALSE(fEngine.IsRunning());
    EXPECT_FALSE(fEngine.WaitForBlocks(1, 20ms));
}
} // namespace
