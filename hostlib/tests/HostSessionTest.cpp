// A host session through the routine table alone: load, enable kinds, list types, instantiate,
// connect, render on the engine's real-time thread, set controls, save and restore, free.

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstring>
#include <vector>

#include "CAutomationSeam.h"
#include "HostRoutines.h"
#include "TestEffectGroup.h"

namespace
{
using namespace std::chrono_literals;

class HostSession : public CHostFixture
{
};

TEST_F(HostSession, AStereoInsertFromLoadToFree)
{
    LoadGroup(false);
    ASSERT_EQ(host::EnablePlugInType(kRealTimeKind), 0);
    SInt16 numTypes = 0;
    ASSERT_EQ(host::GetNumProcessTypes(&numTypes), 0);
    ASSERT_EQ(numTypes, 2);
    OSType maker = 0, product = 0, type = 0;
    ASSERT_EQ(host::GetProcessTypeIDs(2, &maker, &product, &type), 0);
    ASSERT_EQ(type, kStereoType);

    SInt32 process = 0;
    ASSERT_EQ(host::InstantiateProcess(type, &process), 0);
    SInt16 inputs = 0;
    ASSERT_EQ(host::GetNumAudioInputs(type, process, &inputs), 0);
    std::vector<std::array<float, 1024>> buffers(4);
    std::vector<SRTASConnection> connections(4);
    for (size_t channel = 0; channel < 4; ++channel)
    {
        buffers[channel].fill(channel < 2 ? 0.25f * float(channel + 1) : 0.0f);
        connections[channel].fBuffer = buffers[channel].data();
    }
    for (SInt32 port = 1; port <= inputs; ++port)
    {
        ASSERT_EQ(host::ConnectInput(type, process, port, &connections[size_t(port - 1)]), 0);
        ASSERT_EQ(host::ConnectOutput(type, process, port, &connections[size_t(port + 1)]), 0);
    }
    ASSERT_EQ(host::ConnectInput(type, process, inputs + 1, &connections[0]), 0) << "the side-chain key";

    RealTime().SetBlockLength(128);
    RealTime().Start(CRealTimeEngine::EPacing::eSoundCard);
    ASSERT_EQ(host::SetControlValue(type, process, kGainControl, 12345), 0);
    ASSERT_TRUE(RealTime().WaitForBlocks(2, 5s));
    RealTime().Stop();
    EXPECT_TRUE(gProbe.renderedOnEngineThread);
    EXPECT_FLOAT_EQ(buffers[2][127], 0.25f * kTestGain);
    EXPECT_FLOAT_EQ(buffers[3][127], 0.5f * kTestGain);

    SInt32 size = 0;
    ASSERT_EQ(host::GetChunkSize(type, process, kControlsChunkID, &size), 0);
    std::vector<Byte> saved(static_cast<size_t>(size));
    auto* chunk = reinterpret_cast<SFicPlugInChunk*>(saved.data());
    ASSERT_EQ(host::GetChunk(type, process, kControlsChunkID, chunk), 0);
    ASSERT_EQ(host::SetControlValue(type, process, kGainControl, -999), 0);
    ASSERT_EQ(host::SetChunk(type, process, kControlsChunkID, chunk), 0);
    SInt32 gain = 0;
    ASSERT_EQ(host::GetControlValue(type, process, kGainControl, &gain), 0);
    EXPECT_NEAR(double(gain), 12345.0, 2.0);

    char name[33] = {};
    SInt16 result = 0;
    ASSERT_EQ(host::GetControlNameOfLength(type, process, kModeControl, name, 31, kControllerTypePcTL, &result), 0);
    EXPECT_STREQ(name, "Mode");

    for (SInt32 port = 1; port <= inputs; ++port)
    {
        ASSERT_EQ(host::DisconnectInput(type, process, port), 0);
        ASSERT_EQ(host::DisconnectOutput(type, process, port), 0);
    }
    ASSERT_EQ(host::FreeProcess(type, process), 0);
    EXPECT_EQ(RealTime().GetNumInstances(), 0u);
    EXPECT_EQ(gProcessGroup->GetNumProcesses(), 0);
    EXPECT_EQ(CProcessGroup::GetResourceOpenCount(), 0);
}

// With the host's automation engine listening, a control set through the table travels as a
// set-value token between a touch and a release, addressed to the control's reserved name.
TEST_F(HostSession, AControlSetThroughTheTableReachesTheAutomationEngineAsTokens)
{
    Settings().SetGestalt(kFicGestaltSharedDataTokens, 1);
    CAutomationSeam seam;
    const SInt32 process = Instantiate(kStereoType);
    FicSDSNameId name = 0;
    ASSERT_EQ(Routine<ComponentResult(OSType, SInt32, SInt32, FicSDSNameId*)>(86)(kStereoType, process, kGainControl,
                                                                                 &name),
              0);
    ASSERT_NE(name, 0u);
    ASSERT_EQ(host::SetControlValue(kStereoType, process, kGainControl, 4242), 0);
    const auto wordOf = [](const std::vector<Byte>& token, size_t offset) {
        SInt32 value = 0;
        std::memcpy(&value, token.data() + offset, sizeof value);
        return value;
    };
    std::vector<std::vector<Byte>> tokens;
    while (auto token = seam.NextToken())
        if (UInt32(wordOf(*token, 0)) == name)
            tokens.push_back(*token);
    ASSERT_EQ(tokens.size(), 3u) << "touch, value, release";
    const auto word = [&](size_t token, size_t offset) { return wordOf(tokens[token], offset); };
    EXPECT_EQ(UInt32(word(0, 8)), kTokenTouch);
    EXPECT_EQ(UInt32(word(1, 4)), kTokenSetValue);
    EXPECT_EQ(UInt32(word(2, 8)), kTokenTouch);
    EXPECT_EQ(word(1, 38), 4242);
    ASSERT_EQ(host::FreeProcess(kStereoType, process), 0);
}

TEST_F(HostSession, AnOfflinePassMovesTheQueuedSamples)
{
    const SInt32 process = Instantiate(kOfflineType);
    std::array<float, 300> in{}, out{};
    in.fill(0.75f);
    SASConnection input = {{}, 0, 300, in.data(), 300};
    SASConnection output = {{}, 0, 0, out.data(), 0};
    ASSERT_EQ(host::ConnectInput(kOfflineType, process, 1, &input), 0);
    ASSERT_EQ(host::ConnectOutput(kOfflineType, process, 1, &output), 0);
    ASSERT_EQ(Routine<ComponentResult(OSType, SInt32)>(101)(kOfflineType, process), 0);
    EXPECT_EQ(output.fBoundsEnd, 300) << "outputs take the first input's bounds";
    SInt32 samples = 10;
    ASSERT_EQ(host::ProcessData(kOfflineType, process, &samples), 0);
    EXPECT_EQ(samples, 310);
    EXPECT_FLOAT_EQ(out[299], 0.75f);
}
} // namespace
