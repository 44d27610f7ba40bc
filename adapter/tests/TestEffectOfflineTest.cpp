// Offline processing through the routine table: the host queues samples on the connections and
// asks for them to be processed; what the effect is called with and what the connections show
// afterwards.

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "AdapterHostFixture.h"
#include "CPTAdapterProcess.h"
#include "CTestEffect.h"

namespace
{
constexpr size_t kBufferLength = 6000;

class TestEffectOffline : public CAdapterHostFixture
{
protected:
    void SetUp() override
    {
        CAdapterHostFixture::SetUp();
        fIndex = Instantiate(kOfflineType);
        fEffect = &EffectOf<CTestEffect>(kOfflineType, fIndex);
        for (size_t port = 0; port < fInputs.size(); ++port)
        {
            fInputs[port].assign(kBufferLength, float(port + 1));
            fInConnections[port].fBuffer = fInputs[port].data();
        }
        for (size_t port = 0; port < fOutputs.size(); ++port)
        {
            fOutputs[port].assign(kBufferLength, 9.0f);
            fOutConnections[port].fBuffer = fOutputs[port].data();
        }
    }

    void ConnectStereo()
    {
        for (SInt32 port = 1; port <= 2; ++port)
        {
            ASSERT_EQ(host::ConnectInput(kOfflineType, fIndex, port, &fInConnections[size_t(port - 1)]), 0);
            ASSERT_EQ(host::ConnectOutput(kOfflineType, fIndex, port, &fOutConnections[size_t(port - 1)]), 0);
        }
    }

    SInt32 ProcessQueued()
    {
        SInt32 samples = 0;
        EXPECT_EQ(host::ProcessData(kOfflineType, fIndex, &samples), 0);
        return samples;
    }

    std::vector<SInt32> BlockLengths() const
    {
        std::vector<SInt32> lengths;
        for (SInt32 block = 0; block < fEffect->blocksProcessed; ++block)
            lengths.push_back(fEffect->blockLengths[size_t(block)]);
        return lengths;
    }

    SInt32 fIndex = 0;
    CTestEffect* fEffect = nullptr;
    std::array<std::vector<float>, 3> fInputs;  // two main inputs and the side chain
    std::array<std::vector<float>, 2> fOutputs;
    std::array<SASConnection, 3> fInConnections{};
    std::array<SASConnection, 2> fOutConnections{};
};

TEST_F(TestEffectOffline, AStretchIsProcessedInBlocksOfAtMost2048AndMarkedConsumed)
{
    ConnectStereo();
    fInConnections[0].fSampleCount = fInConnections[1].fSampleCount = 5000;

    EXPECT_EQ(ProcessQueued(), 5000);
    EXPECT_EQ(BlockLengths(), (std::vector<SInt32>{2048, 2048, 904}));
    EXPECT_EQ(fInConnections[0].fSampleCount, 0);
    EXPECT_EQ(fInConnections[1].fSampleCount, 0);
    EXPECT_EQ(fOutConnections[0].fSampleCount, 5000);
    EXPECT_EQ(fOutConnections[1].fSampleCount, 5000);
    EXPECT_FLOAT_EQ(fOutputs[0][4999], 0.5f);
    EXPECT_FLOAT_EQ(fOutputs[1][4999], 1.0f);
    EXPECT_FLOAT_EQ(fOutputs[1][5000], 9.0f);
}

TEST_F(TestEffectOffline, AnInputOfAnotherLengthIsReplacedBySilenceAndStillConsumed)
{
    ConnectStereo();
    fInConnections[0].fSampleCount = 200;
    fInConnections[1].fSampleCount = 100;

    EXPECT_EQ(ProcessQueued(), 200);
    EXPECT_FLOAT_EQ(fOutputs[0][199], 0.5f);
    EXPECT_FLOAT_EQ(fOutputs[1][0], 0.0f);
    EXPECT_FLOAT_EQ(fOutputs[1][199], 0.0f);
    EXPECT_EQ(fInConnections[1].fSampleCount, 0);
    EXPECT_EQ(fOutConnections[0].fSampleCount, 200);
    EXPECT_EQ(fOutConnections[1].fSampleCount, 200);
}

TEST_F(TestEffectOffline, AnOutputStillHoldingSamplesIsNeitherWrittenNorMarked)
{
    ConnectStereo();
    fInConnections[0].fSampleCount = fInConnections[1].fSampleCount = 300;
    fOutConnections[1].fSampleCount = 7;

    EXPECT_EQ(ProcessQueued(), 300);
    EXPECT_FLOAT_EQ(fOutputs[0][0], 0.5f);
    EXPECT_FLOAT_EQ(fOutputs[1][0], 9.0f);
    EXPECT_EQ(fOutConnections[1].fSampleCount, 7);
    EXPECT_EQ(fInConnections[1].fSampleCount, 300) << "its input waits for the output";
}

TEST_F(TestEffectOffline, ASideChainOfTheCommonLengthFollowsTheMainInputsAndIsConsumed)
{
    ConnectStereo();
    ASSERT_EQ(host::ConnectInput(kOfflineType, fIndex, 3, &fInConnections[2]), 0);
    for (SASConnection& input : fInConnections)
        input.fSampleCount = 100;

    EXPECT_EQ(ProcessQueued(), 100);
    EXPECT_EQ(fEffect->lastInputs[0].load(), fInputs[0].data());
    EXPECT_EQ(fEffect->lastInputs[1].load(), fInputs[1].data());
    EXPECT_EQ(fEffect->lastInputs[2].load(), fInputs[2].data());
    EXPECT_EQ(fEffect->lastInputs[3].load(), fInputs[2].data());
    EXPECT_EQ(fInConnections[2].fSampleCount, 0);
}

TEST_F(TestEffectOffline, WithNothingToWriteNothingIsProcessedButTheSideChainIsConsumed)
{
    ASSERT_EQ(host::ConnectInput(kOfflineType, fIndex, 3, &fInConnections[2]), 0);
    fInConnections[2].fSampleCount = 50;
    EXPECT_EQ(ProcessQueued(), 0) << "no output connected";
    EXPECT_EQ(fInConnections[2].fSampleCount, 0);

    ASSERT_EQ(host::ConnectOutput(kOfflineType, fIndex, 2, &fOutConnections[1]), 0);
    EXPECT_EQ(ProcessQueued(), 0) << "an output without its own input or input 0";
    EXPECT_EQ(fEffect->blocksProcessed, 0);
}

TEST_F(TestEffectOffline, TheEffectTakesTheConsecutivelyConnectedPortsCountedFromPortOne)
{
    ASSERT_EQ(host::ConnectInput(kOfflineType, fIndex, 1, &fInConnections[0]), 0);
    ASSERT_EQ(host::ConnectOutput(kOfflineType, fIndex, 1, &fOutConnections[0]), 0);
    ASSERT_EQ(fEffect->getInputCount(), 1);
    SASConnection spare[2] = {};
    for (SInt32 port : {2, 4})
    {
        ASSERT_EQ(host::ConnectInput(kOfflineType, fIndex, port, &spare[port / 4]), 0);
        ASSERT_EQ(host::ConnectOutput(kOfflineType, fIndex, port, &fOutConnections[size_t(port / 4)]), 0);
    }
    EXPECT_EQ(fEffect->getInputCount(), 2);
    EXPECT_EQ(fEffect->getOutputCount(), 2);
    ASSERT_NE(host::ConnectInput(kOfflineType, fIndex, 2, &fInConnections[1]), 0) << "occupied";
    EXPECT_EQ(fEffect->getInputCount(), 2) << "a refused connection changes nothing";
    ASSERT_EQ(host::DisconnectInput(kOfflineType, fIndex, 2), 0);
    ASSERT_EQ(host::DisconnectOutput(kOfflineType, fIndex, 2), 0);
    EXPECT_EQ(fEffect->getInputCount(), 1);
}

TEST_F(TestEffectOffline, PrimeResetsTheEffectsProcessing)
{
    fEffect->updates.clear();
    ASSERT_EQ(host::Prime(kOfflineType, fIndex, 1), 0);
    EXPECT_EQ(fEffect->updates, (std::vector<std::string>{"resetProcessing", "resetMeters", "resetClips"}));
}

TEST_F(TestEffectOffline, IdleAnswersTheOfflinePreviewState)
{
    ASSERT_EQ(host::SetPreviewState(kOfflineType, fIndex, 3), 0);
    EXPECT_EQ(Process(kOfflineType, fIndex).DoTokenIdle(), 3);
    ASSERT_EQ(host::SetPreviewState(kOfflineType, fIndex, 0), 0);
    EXPECT_EQ(Process(kOfflineType, fIndex).DoTokenIdle(), 0);
}
} // namespace
