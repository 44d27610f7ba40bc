// The host program's run and info, checked against the samples it wrote, read back from the file.
#include <gtest/gtest.h>

#include <cmath>

#include "HostProgram.h"

namespace
{
const std::string kBundle = KELVARO_PASSTHROUGH_BUNDLE;
constexpr size_t kFrames = 30000;  // not a whole number of blocks

// The largest difference between each output sample and the input sample scaled by gain.
float LargestError(const SAudio& input, const SAudio& output, float gain)
{
    float largest = 0.0f;
    for (size_t channel = 0; channel < input.fChannels.size(); ++channel)
        for (size_t frame = 0; frame < input.Frames(); ++frame)
            largest = std::max(largest, std::fabs(output.fChannels[channel][frame] - gain * input.fChannels[channel][frame]));
    return largest;
}

class HostRun : public testing::Test
{
protected:
    void SetUp() override { AudioFiles::Write(fFolder / "in.wav", fInput); }

    SAudio RunAndRead(std::vector<std::string> options)
    {
        std::vector<std::string> arguments = {"run", kBundle, fFolder / "in.wav", "--output", fFolder / "out.wav"};
        arguments.insert(arguments.end(), options.begin(), options.end());
        fOutcome = RunHost(arguments);
        EXPECT_EQ(fOutcome.fExitStatus, 0) << fOutcome.fError;
        return AudioFiles::Read(fFolder / "out.wav");
    }

    CScratchFolder fFolder;
    const SAudio fInput = TwoSines(kFrames);
    SHostOutcome fOutcome;
};
} // namespace

TEST_F(HostRun, WritesEveryInputSampleThroughTheProcessAtAnyBlockLength)
{
    for (const char* block : {"512", "1", "1000", "1024"})
    {
        const SAudio output = RunAndRead({"--block", block});
        ASSERT_EQ(output.fChannels.size(), 2u);
        ASSERT_EQ(output.Frames(), kFrames);
        EXPECT_EQ(LargestError(fInput, output, 1.0f), 0.0f) << "block " << block;
        EXPECT_NE(fOutcome.fOut.find("of " + std::string(block) + " samples"), std::string::npos);
    }
}

TEST_F(HostRun, SetChangesTheControlThroughTheAutomationAndTheAudioFollows)
{
    const SAudio output = RunAndRead({"--set", "gain=0.5"});
    EXPECT_LT(LargestError(fInput, output, 0.5f), 1e-6f);
    EXPECT_NE(fOutcome.fOut.find("controls: Gain = 0.50"), std::string::npos) << fOutcome.fOut;
}

TEST_F(HostRun, SettingsSavedByOneRunAreRestoredByAnother)
{
    RunAndRead({"--set", "Gain=0.25", "--save-settings", fFolder / "quarter.settings"});
    const SAudio restored = RunAndRead({"--settings", fFolder / "quarter.settings"});
    EXPECT_NE(fOutcome.fOut.find("Gain = 0.25"), std::string::npos) << fOutcome.fOut;
    EXPECT_LT(LargestError(fInput, restored, 0.25f), 1e-6f);
}

TEST_F(HostRun, ReportsBlocksRenderedAndTheRenderLoad)
{
    RunAndRead({"--block", "600"});
    EXPECT_NE(fOutcome.fOut.find("blocks rendered: 50 of 600 samples"), std::string::npos) << fOutcome.fOut;
    EXPECT_NE(fOutcome.fOut.find("render load: mean "), std::string::npos);
}

TEST_F(HostRun, RealTimePacingRendersTheSameAudio)
{
    const SAudio output = RunAndRead({"--realtime"});
    EXPECT_EQ(LargestError(fInput, output, 1.0f), 0.0f);
}

TEST(HostInfo, ListsMakerPlugInTypesAndControls)
{
    const SHostOutcome outcome = RunHost({"info", kBundle});
    ASSERT_EQ(outcome.fExitStatus, 0) << outcome.fError;
    for (const char* line : {"maker: Fixture Audio Works\n", "plug-in: Passthrough Fixture, version 3\n", "types: 1\n",
                             "type FXST: Passthrough Fixture\n", "  maker id fxau, product id fxps\n",
                             "  channels: 2 in, 2 out\n", "  gestalts: 7 29 48\n",
                             "  control 1: Gain, continuous, 0 steps, default 1.00\n"})
        EXPECT_NE(outcome.fOut.find(line), std::string::npos) << line << outcome.fOut;
}
