#include "WindowSnapshots.h"

#include "MeterWindowSnapshot.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace
{
constexpr int32_t kFirstBitmap = 1000;
constexpr int32_t kLastBitmap = 1016;
} // namespace

WindowSnapshots::WindowSnapshots(std::string finalPath, double everySeconds, std::string seriesDir,
                                 int32_t sampleRate)
    : finalPath(std::move(finalPath)), seriesDir(std::move(seriesDir)), framesPerPicture(everySeconds * sampleRate)
{
    std::error_code ec;
    if (framesPerPicture > 0 && !std::filesystem::is_directory(this->seriesDir, ec) &&
        !std::filesystem::create_directories(this->seriesDir, ec))
        failure = "cannot create the snapshot folder " + this->seriesDir + ": " + ec.message();
}

std::string WindowSnapshots::seriesPath(const std::string& dir, int64_t number)
{
    char name[32];
    std::snprintf(name, sizeof name, "kelvaro-%04lld.png", static_cast<long long>(number));
    return (std::filesystem::path(dir) / name).string();
}

// Picture n shows the window after the last block that ends at or before n steps of audio, as a
// host's window would show it at that moment; a step shorter than a block repeats the picture.
void WindowSnapshots::beforeBlock(QVEffect& effect, int64_t framesDone, int32_t blockFrames)
{
    takeSeries(effect, double(framesDone + blockFrames), false);
}

void WindowSnapshots::atEnd(QVEffect& effect, int64_t frames)
{
    takeSeries(effect, double(frames), true);
    if (!finalPath.empty() && failure.empty() && save(effect, finalPath))
        finalWritten = finalPath;
}

void WindowSnapshots::takeSeries(QVEffect& effect, double end, bool reachingEnd)
{
    for (;;)
    {
        const double due = double(seriesCount + 1) * framesPerPicture;
        if (framesPerPicture <= 0 || !failure.empty() || due > end || (due == end && !reachingEnd))
            return;
        const std::string path = seriesPath(seriesDir, ++seriesCount);
        if (save(effect, path))
            seriesPaths.push_back(path);
    }
}

bool WindowSnapshots::save(QVEffect& effect, const std::string& path)
{
    if (saveMeterWindowSnapshot(effect, path.c_str()))
        return true;
    failure = "cannot write the window snapshot " + path;
    return false;
}

std::string checkBitmapFolder(const std::string& folder)
{
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec))
        return "the bitmap folder " + folder + " does not exist; point --resources at the folder that holds "
                                               "bmp01000.png ... bmp01016.png";
    for (int32_t number = kFirstBitmap; number <= kLastBitmap; ++number)
    {
        char name[32];
        std::snprintf(name, sizeof name, "bmp%05d.png", static_cast<int>(number));
        if (!std::filesystem::is_regular_file(std::filesystem::path(folder) / name, ec))
            return "the bitmap folder " + folder + " has no " + name +
                   "; point --resources at the folder that holds bmp01000.png ... bmp01016.png";
    }
    return "";
}
