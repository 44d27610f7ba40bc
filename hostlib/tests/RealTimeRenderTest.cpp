// Rendering on the engine stand-in's real-time thread while the host's main thread calls routines.

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <thread>

#include "HostRoutines.h"
#include "TestEffectGroup.h"

namespace
{
using namespace std::chrono_literals;

constexpr size_t kBufferLength = 4096;

class RealTimeRender : public CHostFixture
{
protected:
    void SetUp() override
    {
        CHostFixture::SetUp();
        fProcess = Instantiate(kMonoType);
        fInput.fill(1.0f);
        fInConnection.fBuffer = fInput.data();
        fOutConnection.fBuffer = fOutput.data();
        ASSERT_EQ(host::ConnectInput(kMonoType, fProcess, 1, &fInConnection), 0);
        ASSERT_EQ(host::ConnectOutput(kMonoType, fProcess, 1, &fOutConnection), 0);
    }

    void TearDown() override
    {
        Settings().SetGestalt(kFicGestaltVariableQuantum, 1);
        CHostFixture::TearDown();
    }

    CEffectProcessRTAS& Process() const
    {
        return dynamic_cast<CEffectProcessRTAS&>(
            *gProcessGroup->FindProcessType(kMonoType)->GetProcessFromIndex(fProcess));
    }

    void RenderSomeBlocks(CRealTimeEngine::EPacing pacing = CRealTimeEngine::EPacing::eAsFastAsPossible)
    {
        RealTime().Start(pacing);
        ASSERT_TRUE(RealTime().WaitForBlocks(3, 5s));
        RealTime().Stop();
    }

    SInt32 fProcess = 0;
    std::array<float, kBufferLength> fInput{};
    std::array<float, kBufferLength> fOutput{};
    SRTASConnection fInConnection = {};
    SRTASConnection fOutConnection = {};
};

TEST_F(RealTimeRender, TheEngineThreadCallsTheWorkerWithTheProcessesInstanceBlock)
{
    ASSERT_EQ(RealTime().GetNumInstances(), 1u);
    const SRTASInstanceBlock* block = Process().GetHostPlugIn()->GetInstanceBlock();
    EXPECT_EQ(block->fDescriptor->fProcess, static_cast<void*>(&Process()));
    EXPECT_EQ(block->fDescriptor->fNumInputs, 1);
    EXPECT_EQ(block->fDescriptor->fNumOutputs, 1);

    RealTime().SetBlockLength(64);
    RenderSomeBlocks(CRealTimeEngine::EPacing::eSoundCard);
    EXPECT_TRUE(gProbe.renderedOnEngineThread);
    EXPECT_FALSE(gProbe.renderedElsewhere);
    EXPECT_EQ(gProbe.lastBlockLength, 64);
    EXPECT_FLOAT_EQ(fOutput[0], kTestGain);
    EXPECT_FLOAT_EQ(fOutput[63], kTestGain);
    EXPECT_FLOAT_EQ(fOutput[64], 0.0f) << "nothing past the block";
}

TEST_F(RealTimeRender, WithoutVariableBlocksEveryBlockIs32Samples)
{
    ASSERT_EQ(host::FreeProcess(kMonoType, fProcess), 0);
    Settings().SetGestalt(kFicGestaltVariableQuantum, 0);
    fProcess = Instantiate(kMonoType);
    ASSERT_EQ(host::ConnectInput(kMonoType, fProcess, 1, &fInConnection), 0);
    ASSERT_EQ(host::ConnectOutput(kMonoType, fProcess, 1, &fOutConnection), 0);
    RealTime().SetBlockLength(256);
    RenderSomeBlocks();
    EXPECT_EQ(gProbe.lastBlockLength, 32);
    EXPECT_EQ(CEffectProcessRTAS::GetMaximumRTASQuantum(), 32);
}

TEST_F(RealTimeRender, TheLargestBlockIsTheEnginesWhenItVariesBlocks)
{
    Settings().fMaximumRTASQuantum = 2048;
    EXPECT_EQ(CEffectProcessRTAS::GetMaximumRTASQuantum(), 2048);
    Settings().fMaximumRTASQuantum = 0;
    EXPECT_EQ(CEffectProcessRTAS::GetMaximumRTASQuantum(), 32);
    Settings().fMaximumRTASQuantum = 1024;
}

TEST_F(RealTimeRender, AnExceptionInRenderAudioEndsTheBlockWithoutNewMeters)
{
    Process().SetMetersUpdated(false);
    gProbe.renderThrows = true;
    RenderSomeBlocks();
    EXPECT_TRUE(gProbe.renderedOnEngineThread);
    EXPECT_FALSE(Process().MetersUpdated());
    gProbe.renderThrows = false;
    RenderSomeBlocks();
    EXPECT_TRUE(Process().MetersUpdated());
}

TEST_F(RealTimeRender, ABlockWithAnUnconnectedPortIsNotRendered)
{
    ASSERT_EQ(host::DisconnectOutput(kMonoType, fProcess, 1), 0);
    RenderSomeBlocks();
    EXPECT_EQ(gProbe.blocksRendered, 0);
}

TEST_F(RealTimeRender, MainThreadRoutinesRunWhileTheEngineRenders)
{
    RealTime().SetBlockLength(16);
    RealTime().Start(CRealTimeEngine::EPacing::eAsFastAsPossible);
    SRTASConnection spare = {fInput.data()};
    for (SInt32 round = 0; round < 200; ++round)
    {
        ASSERT_EQ(host::SetControlValue(kMonoType, fProcess, kGainControl, round), 0);
        SInt32 value = 0;
        ASSERT_EQ(host::GetControlValue(kMonoType, fProcess, kGainControl, &value), 0);
        ASSERT_EQ(value, round);
        Boolean clipped = true;
        ASSERT_EQ(host::GetClipState(kMonoType, fProcess, &clipped), 0);
        ASSERT_EQ(host::DisconnectInput(kMonoType, fProcess, 1), 0);
        ASSERT_EQ(host::ConnectInput(kMonoType, fProcess, 1, round % 2 ? &spare : &fInConnection), 0);
    }
    ASSERT_TRUE(RealTime().WaitForBlocks(3, 5s));
    const SInt32 second = Instantiate(kMonoType);
    EXPECT_EQ(RealTime().GetNumInstances(), 2u);
    ASSERT_EQ(host::FreeProcess(kMonoType, second), 0);
    ASSERT_EQ(host::FreeProcess(kMonoType, fProcess), 0);
    EXPECT_EQ(RealTime().GetNumInstances(), 0u);
    RealTime().Stop();
    EXPECT_GT(gProbe.blocksRendered, 0);
}
} // namespace
