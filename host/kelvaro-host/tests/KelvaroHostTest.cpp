// The meter's own bundle in the host program as a user runs it: what the host lists, the audio
// it passes, the settings it keeps, and its window as the host shows it.
#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <set>
#include <sstream>

#include "HostProgram.h"

namespace
{
constexpr size_t kFrames = 3 * 44100;

// Full scale on both channels, at two pitches so that their mono sum differs from either.
SAudio FullScaleSines()
{
    SAudio audio;
    audio.fChannels.assign(2, std::vector<float>(kFrames));
    for (size_t frame = 0; frame < kFrames; ++frame)
    {
        const double time = double(frame) / audio.fSampleRate;
        audio.fChannels[0][frame] = float(std::sin(2.0 * M_PI * 997.0 * time));
        audio.fChannels[1][frame] = float(std::cos(2.0 * M_PI * 441.0 * time));
    }
    return audio;
}

SAudio Silence()
{
    SAudio audio;
    audio.fChannels.assign(2, std::vector<float>(kFrames, 0.0f));
    return audio;
}

size_t DifferingSamples(const SAudio& expected, const SAudio& actual)
{
    size_t differing = 0;
    for (size_t channel = 0; channel < 2; ++channel)
        for (size_t frame = 0; frame < expected.Frames(); ++frame)
            differing += expected.fChannels[channel][frame] != actual.fChannels[channel][frame];
    return differing;
}

SAudio MonoSum(const SAudio& input)
{
    SAudio sum = input;
    for (size_t frame = 0; frame < input.Frames(); ++frame)
        sum.fChannels[0][frame] = sum.fChannels[1][frame] = (input.fChannels[0][frame] + input.fChannels[1][frame]) * 0.5f;
    return sum;
}

class KelvaroRun : public testing::Test
{
protected:
    void SetUp() override
    {
        AudioFiles::Write(fFolder / "sines.wav", fSines);
        AudioFiles::Write(fFolder / "silence.wav", Silence());
    }

    SAudio Run(const std::string& input, std::vector<std::string> options)
    {
        std::vector<std::string> arguments = {"run", KELVARO_METER_BUNDLE, fFolder / input, "--output", fFolder / "out.wav"};
        arguments.insert(arguments.end(), options.begin(), options.end());
        fOutcome = RunHost(arguments);
        EXPECT_EQ(fOutcome.fExitStatus, 0) << fOutcome.fError;
        SAudio output = AudioFiles::Read(fFolder / "out.wav");
        EXPECT_EQ(output.Frames(), kFrames);
        return output;
    }

    bool Printed(const std::string& text) const { return fOutcome.fOut.find(text) != std::string::npos; }

    CScratchFolder fFolder;
    const SAudio fSines = FullScaleSines();
    SHostOutcome fOutcome;
};
} // namespace

TEST(KelvaroInfo, ListsTheMakerTheStereoTypeAndBothSwitches)
{
    const SHostOutcome outcome = RunHost({"info", KELVARO_METER_BUNDLE});
    EXPECT_EQ(outcome.fExitStatus, 0) << outcome.fError;
    for (const char* line : {"maker: Auvenor\n", "plug-in: Kelvaro, version 1\n", "types: 1\n", "type RTST: Kelvaro\n",
                             "  maker id avnr, product id kvro\n", "  channels: 2 in, 2 out\n",
                             "  category word: 0, sample-rate support: 6\n",
                             "  control 1: Mono, discrete, 2 steps, default Off\n",
                             "  control 2: Link, discrete, 2 steps, default Off\n"})
        EXPECT_NE(outcome.fOut.find(line), std::string::npos) << line << "in\n" << outcome.fOut;

    const size_t gestaltLine = outcome.fOut.find("  gestalts:");
    ASSERT_NE(gestaltLine, std::string::npos);
    std::istringstream listed(outcome.fOut.substr(gestaltLine + 11, outcome.fOut.find('\n', gestaltLine) - gestaltLine - 11));
    const std::set<int> gestalts{std::istream_iterator<int>(listed), std::istream_iterator<int>()};
    for (int present : {29, 48})
        EXPECT_EQ(gestalts.count(present), 1u) << present;
    for (int absent : {5, 8, 30, 39})
        EXPECT_EQ(gestalts.count(absent), 0u) << absent;
}

TEST_F(KelvaroRun, PassesTheAudioUnchangedWithMonoOffAndAsTheMonoSumWithMonoOn)
{
    EXPECT_EQ(DifferingSamples(fSines, Run("sines.wav", {})), 0u);
    EXPECT_TRUE(Printed("controls: Mono = Off, Link = Off")) << fOutcome.fOut;

    EXPECT_EQ(DifferingSamples(MonoSum(fSines), Run("sines.wav", {"--set", "Mono=on"})), 0u);
    EXPECT_TRUE(Printed("controls: Mono = On, Link = Off")) << fOutcome.fOut;
}

TEST_F(KelvaroRun, SettingsSavedByOneRunAreRestoredByAnother)
{
    Run("sines.wav", {"--set", "Mono=on", "--set", "Link=on", "--save-settings", fFolder / "both.settings"});
    const SAudio restored = Run("sines.wav", {"--settings", fFolder / "both.settings"});
    EXPECT_TRUE(Printed("controls: Mono = On, Link = On")) << fOutcome.fOut;
    EXPECT_EQ(DifferingSamples(MonoSum(fSines), restored), 0u);
}

// The window is the host's only view of the readings: at full scale the peak bars are lit from
// the 0 dB mark down, in silence they are not.
TEST_F(KelvaroRun, SnapshotShowsFullScaleBars)
{
    Run("sines.wav", {"--snapshot", fFolder / "full.png"});
    Run("silence.wav", {"--snapshot", fFolder / "silent.png"});
    const SPicture full = ReadPicture(fFolder / "full.png"), silent = ReadPicture(fFolder / "silent.png");
    ASSERT_EQ(full.fWidth, 211);
    ASSERT_EQ(full.fHeight, 776);
    ASSERT_EQ(silent.fWidth, 211);
    constexpr int kPeakBarColumns[] = {37, 172};  // left and right peak bars
    for (int x : kPeakBarColumns)
        for (int y : {127, 250, 400, 606})
            EXPECT_NE(full.Pixel(x, y), silent.Pixel(x, y)) << "peak bar not lit at " << x << ", " << y;
    // Outside the bars both pictures show the same window.
    EXPECT_EQ(full.Pixel(105, 20), silent.Pixel(105, 20));
}
