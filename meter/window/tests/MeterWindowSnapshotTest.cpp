#include "MeterWindowFixture.h"
#include "PngPixels.h"

#include "MeterWindowSnapshot.h"

#include <cstdio>

namespace
{
using MeterWindowSnapshot = MeterWindowFixture;

std::string snapshotPath(const char* name)
{
    return ::testing::TempDir() + "kelvaro-window-" + name + ".png";
}
} // namespace

TEST_F(MeterWindowSnapshot, SavesWhatTheOpenWindowShowsForTheEffectsCurrentReadings)
{
    play(sine(0.5, 997, sampleRate), 2);
    const std::string path = snapshotPath("snapshot-test");
    ASSERT_TRUE(saveMeterWindowSnapshot(*effect, path.c_str()));
    open();
    editor->draw(nullptr);
    const PngPixels saved(path);
    ASSERT_TRUE(saved.loaded());
    ASSERT_EQ(saved.width(), 211);
    ASSERT_EQ(saved.height(), 776);
    std::vector<CColor> savedPixels;
    for (int32_t y = 0; y < saved.height(); ++y)
        for (int32_t x = 0; x < saved.width(); ++x)
            savedPixels.push_back(saved.at(x, y));
    EXPECT_TRUE(savedPixels == pixels(window));
    std::remove(path.c_str());
}

TEST_F(MeterWindowSnapshot, ReportsAFileThatCannotBeWritten)
{
    EXPECT_FALSE(saveMeterWindowSnapshot(*effect, "/nonexistent-folder/window.png"));
}
