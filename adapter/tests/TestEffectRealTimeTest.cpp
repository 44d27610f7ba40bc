// Real-time rendering of an effect with a side chain: what its processing receives, rendered on
// the engine stand-in's real-time thread, and the blocks that never reach it.

#include <gtest/gtest.h>

#include <array>
#include <chrono>

#include "AdapterHostFixture.h"
#include "CPTAdapterProcessRTAS.h"
#include "CTestEffect.h"

namespace
{
using namespace std::chrono_literals;

constexpr size_t kBufferLength = 1024;
constexpr SInt32 kBlockLength = 64;

using CBuffer = std::array<float, kBufferLength>;

// A real-time process that reports more inputs than the effect can take with its side chain.
class CWideProcess : public CPTAdapterProcessRTAS
{
public:
    static constexpr SInt16 kInputs = 10;
    CWideProcess() : CPTAdapterProcessRTAS(QVEffect::kChannelModeStereo)
    {
        fNumAudioInputs = kInputs;
        fNumAudioOutputs = QVEffect::kMaxChannels;
        GetQVEffect()->setChannelConfig(QVEffect::kMaxChannels, QVEffect::kMaxChannels);
    }
};

class TestEffectRealTime : public CAdapterHostFixture
{
protected:
    void SetUp() override
    {
        CAdapterHostFixture::SetUp();
        fIndex = Instantiate(kStereoType);
        fEffect = &EffectOf<CTestEffect>(kStereoType, fIndex);
        for (size_t port = 0; port < fInputs.size(); ++port)
        {
            fInputs[port].fill(float(port + 1));
            fInConnections[port].fBuffer = fInputs[port].data();
            ASSERT_EQ(host::ConnectInput(kStereoType, fIndex, SInt32(port) + 1, &fInConnections[port]), 0);
        }
        for (size_t port = 0; port < fOutputs.size(); ++port)
        {
            fOutputs[port].fill(9.0f);
            fOutConnections[port].fBuffer = fOutputs[port].data();
            ASSERT_EQ(host::ConnectOutput(kStereoType, fIndex, SInt32(port) + 1, &fOutConnections[port]), 0);
        }
        RealTime().SetBlockLength(kBlockLength);
    }

    CPTAdapterProcessRTAS& RealTimeProcess() const
    {
        return dynamic_cast<CPTAdapterProcessRTAS&>(Process(kStereoType, fIndex));
    }

    SInt32 fIndex = 0;
    CTestEffect* fEffect = nullptr;
    std::array<CBuffer, 3> fInputs{};  // two main inputs and the side chain
    std::array<CBuffer, 2> fOutputs{};
    std::array<SRTASConnection, 3> fInConnections{};
    std::array<SRTASConnection, 2> fOutConnections{};
};

TEST_F(TestEffectRealTime, TheEffectSeesItsMainInputsAndThenTheSideChainOncePerMainInput)
{
    RealTime().Start(CRealTimeEngine::EPacing::eAsFastAsPossible);
    ASSERT_TRUE(RealTime().WaitForBlocks(3, 5s));
    RealTime().Stop();

    const std::array<float*, 4> expected = {fInputs[0].data(), fInputs[1].data(), fInputs[2].data(),
                                            fInputs[2].data()};
    for (size_t input = 0; input < expected.size(); ++input)
        EXPECT_EQ(fEffect->lastInputs[input].load(), expected[input]) << input;
    EXPECT_EQ(fEffect->lastOutputs[0].load(), fOutputs[0].data());
    EXPECT_EQ(fEffect->lastOutputs[1].load(), fOutputs[1].data());
    EXPECT_EQ(fEffect->blockLengths[0].load(), kBlockLength);
    EXPECT_FLOAT_EQ(fOutputs[0][0], 0.5f);
    EXPECT_FLOAT_EQ(fOutputs[1][kBlockLength - 1], 1.0f);
    EXPECT_FLOAT_EQ(fOutputs[1][kBlockLength], 9.0f);
}

TEST_F(TestEffectRealTime, NoMoreThanEightMainInputsPrecedeTheSideChain)
{
    CWideProcess process;
    std::array<CBuffer, CWideProcess::kInputs + 1> inputs{};
    std::array<CBuffer, QVEffect::kMaxChannels> outputs{};
    std::array<float*, CWideProcess::kInputs + 1> inputPointers{};
    std::array<float*, QVEffect::kMaxChannels> outputPointers{};
    for (size_t input = 0; input < inputs.size(); ++input)
        inputPointers[input] = inputs[input].data();
    for (size_t output = 0; output < outputs.size(); ++output)
        outputPointers[output] = outputs[output].data();
    auto& effect = dynamic_cast<CTestEffect&>(*process.GetQVEffect());

    process.RenderAudio(inputPointers.data(), outputPointers.data(), 16);

    ASSERT_EQ(effect.blocksProcessed, 1);
    for (size_t input = 0; input < 2 * QVEffect::kMaxChannels; ++input)
        EXPECT_EQ(effect.lastInputs[input].load(),
                  input < QVEffect::kMaxChannels ? inputPointers[input] : inputPointers[CWideProcess::kInputs])
            << input;
}

TEST_F(TestEffectRealTime, EmptyOverlongAndBufferlessBlocksNeverReachTheEffect)
{
    std::array<float*, 3> inputs = {fInputs[0].data(), fInputs[1].data(), fInputs[2].data()};
    std::array<float*, 2> outputs = {fOutputs[0].data(), fOutputs[1].data()};
    RealTimeProcess().RenderAudio(inputs.data(), outputs.data(), 0);
    RealTimeProcess().RenderAudio(inputs.data(), outputs.data(), -5);
    RealTimeProcess().RenderAudio(inputs.data(), outputs.data(), CEffectProcessRTAS::GetMaximumRTASQuantum() + 1);
    RealTimeProcess().RenderAudio(nullptr, outputs.data(), 16);
    RealTimeProcess().RenderAudio(inputs.data(), nullptr, 16);
    for (float*& pointer : inputs)
    {
        float* kept = pointer;
        pointer = nullptr;
        RealTimeProcess().RenderAudio(inputs.data(), outputs.data(), 16);
        pointer = kept;
    }
    outputs[1] = nullptr;
    RealTimeProcess().RenderAudio(inputs.data(), outputs.data(), 16);

    EXPECT_EQ(fEffect->blocksProcessed, 0);
    EXPECT_FLOAT_EQ(fOutputs[0][0], 9.0f);
}
} // namespace
