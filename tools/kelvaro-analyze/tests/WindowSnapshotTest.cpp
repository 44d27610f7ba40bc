// --snapshot and --snapshot-every as a user runs them: the pictures' pixels against the window's
// own bitmap files, the series' numbering along the audio, and the ways it can fail.
#include "PngPixels.h"
#include "ToolRunner.h"

#include <cstdint>

namespace
{
// The level bars' columns and the strips they show; the scale runs from y 126 (0 dB) to 607.
struct LevelBar
{
    int32_t left, width, strip;
};
const LevelBar kLevelBars[] = {{35, 5, 1002}, {170, 5, 1002}, {42, 14, 1003}, {155, 14, 1003}};
constexpr int32_t kScaleTop = 126, kScaleBottom = 607;

// True when the bar's middle column shows its strip at this row of the scale.
bool litAt(const PngPixels& window, const LevelBar& bar, int32_t y)
{
    const PngPixels strip(PngPixels::bitmapPath(bar.strip));
    return window.at(bar.left + bar.width / 2, y) == strip.at(bar.width / 2, y - kScaleTop);
}
} // namespace

class WindowSnapshot : public ToolFixture
{
};

TEST_F(WindowSnapshot, AFullScaleSineLightsEveryLevelBarFromTheTopOfTheScale)
{
    const std::string sine = synth("sine.wav", "-r 44100 -c 2 -b 32 -e floating-point", "5 sine 997 gain -n 0");
    const std::string picture = path("meter.png");
    const ToolOutput output = analyze("--snapshot " + quote(picture) + " " + quote(sine));
    ASSERT_EQ(output.status, 0) << output.err;
    EXPECT_NE(output.out.find("window snapshot  " + picture + "\n"), std::string::npos) << output.out;
    const PngPixels window(picture);
    ASSERT_TRUE(window.loaded());
    ASSERT_EQ(window.width(), 211);
    ASSERT_EQ(window.height(), 776);
    for (const LevelBar& bar : kLevelBars)
    {
        SCOPED_TRACE(bar.left);
        EXPECT_TRUE(litAt(window, bar, kScaleTop));
        EXPECT_TRUE(litAt(window, bar, kScaleBottom));
        EXPECT_FALSE(litAt(window, bar, kScaleTop - 1)) << "lit above 0 dB";
    }
}

TEST_F(WindowSnapshot, TheSeriesTakesOnePicturePerStepOfAudioNumberedFromOne)
{
    // Two seconds of silence, then two of a sine: the pictures must follow the audio's time.
    const std::string file = synth("late.wav", "-r 44100 -c 2 -b 16", "2 sine 997 pad 2 0");
    struct Case
    {
        const char* seconds;
        int32_t pictures;
    };
    for (const Case& step : {Case{"1", 4}, Case{"0.5", 8}, Case{"3", 1}, Case{"5", 0}})
    {
        SCOPED_TRACE(step.seconds);
        const std::string dir = path(std::string("series-") + step.seconds);
        const ToolOutput output = analyze(std::string("--snapshot-every ") + step.seconds + " " + quote(dir) + " " +
                                          quote(file));
        ASSERT_EQ(output.status, 0) << output.err;
        int32_t found = 0;
        for (const auto& entry : std::filesystem::directory_iterator(dir))
            found += entry.path().extension() == ".png";
        EXPECT_EQ(found, step.pictures);
        for (int32_t n = 1; n <= step.pictures; ++n)
        {
            char name[32];
            std::snprintf(name, sizeof name, "/kelvaro-%04d.png", n);
            EXPECT_TRUE(std::filesystem::exists(dir + name)) << name;
        }
        if (step.pictures > 1)
        {
            EXPECT_NE(output.out.find("window snapshots " + std::to_string(step.pictures) + ", "), std::string::npos)
                << output.out;
        }
    }
    const std::string seconds = path("series-1");
    const PngPixels silent(seconds + "/kelvaro-0002.png"), playing(seconds + "/kelvaro-0003.png");
    EXPECT_FALSE(litAt(silent, kLevelBars[0], kScaleBottom)) << "the sine shown before it began";
    EXPECT_TRUE(litAt(playing, kLevelBars[0], kScaleBottom));
}

TEST_F(WindowSnapshot, RefusesWhatItCannotDrawAndSaysWhy)
{
    const std::string sine = synth("sine.wav", "-r 44100 -c 2 -b 16", "1 sine 997");
    std::ofstream(path("a-file")) << "not a folder\n";
    struct Case
    {
        std::string arguments;
        int status;
        std::string message;
    };
    const Case cases[] = {
        {"--snapshot s.png " + quote(sine) + " " + quote(sine), 2, "give a single file"},
        {"--snapshot-every 1 d " + quote(sine) + " " + quote(sine), 2, "give a single file"},
        {"--snapshot-every 0 d", 2, "--snapshot-every takes a number of seconds"},
        {"--snapshot-every soon d", 2, "--snapshot-every takes a number of seconds"},
        {"--snapshot-every 1", 2, "needs a value"},
        {"--resources " + quote(path("none")) + " --snapshot " + quote(path("s.png")), 1,
         "the bitmap folder " + path("none") + " does not exist"},
        {"--resources " + quote(folder.string()) + " --snapshot " + quote(path("s.png")), 1, "has no bmp01000.png"},
        {"--snapshot " + quote(path("none/s.png")) + " " + quote(sine), 1,
         "cannot write the window snapshot " + path("none/s.png")},
        {"--snapshot-every 1 " + quote(path("a-file/series")) + " " + quote(sine), 1,
         "cannot create the snapshot folder " + path("a-file/series")},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.arguments);
        const ToolOutput output = analyze(c.arguments);
        EXPECT_EQ(output.status, c.status);
        EXPECT_NE(output.err.find(c.message), std::string::npos) << output.err;
        EXPECT_FALSE(std::filesystem::exists(path("s.png")));
    }
}
