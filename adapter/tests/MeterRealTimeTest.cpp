// The meter rendered on the engine stand-in's real-time thread while the host's main thread
// changes controls and reads chunks: the samples that come out, and not one allocation.

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <vector>

#include "AdapterHostFixture.h"
#include "MeterControlIndexes.h"
#include "AllocationCounter.h"
#include "CEffectProcessRTAS.h"

namespace
{
using namespace std::chrono_literals;

constexpr OSType kChunkID = FourCC("qvck");
constexpr size_t kBufferLength = 4096;
constexpr SInt32 kBlockLength = 256;

class MeterRealTime : public CAdapterHostFixture
{
protected:
    void SetUp() override
    {
        CAdapterHostFixture::SetUp();
        fProcess = Instantiate(kStereoType);
        for (size_t channel = 0; channel < 2; ++channel)
        {
            fInputs[channel].fill(channel == 0 ? 0.5f : -0.25f);
            fOutputs[channel].fill(9.0f);
            fInConnections[channel].fBuffer = fInputs[channel].data();
            fOutConnections[channel].fBuffer = fOutputs[channel].data();
            const SInt32 port = SInt32(channel) + 1;
            ASSERT_EQ(host::ConnectInput(kStereoType, fProcess, port, &fInConnections[channel]), 0);
            ASSERT_EQ(host::ConnectOutput(kStereoType, fProcess, port, &fOutConnections[channel]), 0);
        }
        RealTime().SetBlockLength(kBlockLength);
    }

    void RenderBlocks(UInt64 count)
    {
        RealTime().Start(CRealTimeEngine::EPacing::eAsFastAsPossible);
        ASSERT_TRUE(RealTime().WaitForBlocks(count, 5s));
        RealTime().Stop();
    }

    SInt32 fProcess = 0;
    std::array<std::array<float, kBufferLength>, 2> fInputs{};
    std::array<std::array<float, kBufferLength>, 2> fOutputs{};
    std::array<SRTASConnection, 2> fInConnections{};
    std::array<SRTASConnection, 2> fOutConnections{};
};

TEST_F(MeterRealTime, TheEnginesBlocksPassThroughOrAsTheMonoSum)
{
    ASSERT_EQ(host::SetControlValue(kStereoType, fProcess, kMono, kOff), 0);
    RenderBlocks(2);
    EXPECT_FLOAT_EQ(fOutputs[0][0], 0.5f);
    EXPECT_FLOAT_EQ(fOutputs[1][kBlockLength - 1], -0.25f);
    EXPECT_FLOAT_EQ(fOutputs[0][kBlockLength], 9.0f) << "nothing past the block";

    ASSERT_EQ(host::SetControlValue(kStereoType, fProcess, kMono, kOn), 0);
    RenderBlocks(2);
    EXPECT_FLOAT_EQ(fOutputs[0][0], fOutputs[1][0]);
    EXPECT_NE(fOutputs[0][0], 0.5f);
}

TEST_F(MeterRealTime, ABlockLongerThanTheLargestQuantumLeavesTheOutputsAlone)
{
    ASSERT_EQ(CEffectProcessRTAS::GetMaximumRTASQuantum(), 1024);
    RealTime().SetBlockLength(2048);
    RenderBlocks(2);
    EXPECT_FLOAT_EQ(fOutputs[0][0], 9.0f);
    EXPECT_FLOAT_EQ(fOutputs[1][0], 9.0f);
}

TEST_F(MeterRealTime, ABlockWithANullBufferLeavesTheOutputsAlone)
{
    fInConnections[1].fBuffer = nullptr;
    RenderBlocks(2);
    EXPECT_FLOAT_EQ(fOutputs[0][0], 9.0f);
    EXPECT_FLOAT_EQ(fOutputs[1][0], 9.0f);
}

TEST_F(MeterRealTime, RenderingAllocatesNothingWhileTheMainThreadChangesControlsAndReadsChunks)
{
    SInt32 size = 0;
    ASSERT_EQ(host::GetChunkSize(kStereoType, fProcess, kChunkID, &size), 0);
    std::vector<Byte> chunk(static_cast<size_t>(size));
    auto* header = reinterpret_cast<SFicPlugInChunk*>(chunk.data());
    const UInt64 before = RealTime().GetBlocksRendered();

    StartCountingRealTimeAllocations();
    RealTime().Start(CRealTimeEngine::EPacing::eAsFastAsPossible);
    for (SInt32 round = 0; round < 400; ++round)
    {
        ASSERT_EQ(host::SetControlValue(kStereoType, fProcess, round % 2 ? kMono : kLink, round % 3 ? kOn : kOff), 0);
        ASSERT_EQ(host::GetChunk(kStereoType, fProcess, kChunkID, header), 0);
        Boolean same = 0;
        ASSERT_EQ(host::CompareActiveChunk(kStereoType, fProcess, header, &same), 0);
        char text[32] = {};
        ASSERT_EQ(host::MapControlValToString(kStereoType, fProcess, kMono, round, text, 31), 0);
        if (round % 50 == 0)
        {
            ASSERT_EQ(host::SetChunk(kStereoType, fProcess, kChunkID, header), 0);
        }
    }
    ASSERT_TRUE(RealTime().WaitForBlocks(200, 10s));
    RealTime().Stop();
    const int64_t allocations = StopCountingRealTimeAllocations();

    EXPECT_GE(RealTime().GetBlocksRendered() - before, 200u);
    EXPECT_EQ(allocations, 0);
}
} // namespace
