#include "MeterWindowFixture.h"
#include "PngPixels.h"

#include "MeterWindowSnapshot.h"

#include <cstdio>

namespace
{
using Snapshot = MeterWindowFixture;

std::string snapshotPath(const char* name)
{
    return ::testing::TempDir() + "kelvaro-window-" + name + ".png";
}

bool sameImage(const PngPixels& file, const COffscreenWindow& shown)
{
    for (int32_t y = 0; y < shown.getHeight(); ++y)
        for (int32_t x = 0; x < shown.getWidth(); ++x)
            if (!(file.at(x, y) == shown.getPixel(x, y)))
                return false;
    return true;
}
} // namespace

TEST_F(Snapshot, SavesWhatTheOpenWindowShowsForTheEffectsCurrentReadings)
{
    play(sine(0.5, 997, sampleRate), 2);
    const std::string path = snapshotPath("sine");
    ASSERT_TRUE(saveMeterWindowSnapshot(*effect, path.c_str()));
    open();
    editor->draw(nullptr);
    const PngPixels saved(path);
    ASSERT_TRUE(saved.loaded());
    ASSERT_EQ(saved.width(), 211);
    ASSERT_EQ(saved.height(), 776);
    EXPECT_TRUE(sameImage(saved, window));
    std::remove(path.c_str());
}

TEST_F(Snapshot, ReportsAFileThatCannotBeWritten)
{
    EXPECT_FALSE(saveMeterWindowSnapshot(*effect, "/nonexistent-folder/window.png"));
}
