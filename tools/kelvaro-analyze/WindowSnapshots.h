// --snapshot and --snapshot-every: pictures of the meter window as its user would see it, at the
// end of the input and every so many seconds of audio along it.
#pragma once

#include "MeterRun.h"

#include <string>
#include <vector>

class WindowSnapshots : public EffectObserver
{
public:
    // finalPath empty: no picture at the end; everySeconds 0: no series.
    WindowSnapshots(std::string finalPath, double everySeconds, std::string seriesDir, int32_t sampleRate);

    void beforeBlock(QVEffect& effect, int64_t framesDone, int32_t blockFrames) override;
    void atEnd(QVEffect& effect, int64_t frames) override;

    // The pictures written: the series in order, and the final one (empty until written).
    const std::vector<std::string>& series() const { return seriesPaths; }
    const std::string& finalPicture() const { return finalWritten; }
    const std::string& error() const { return failure; }

    // The folder's name for picture number (from 1) of a series.
    static std::string seriesPath(const std::string& dir, int64_t number);

private:
    // The series' pictures of every step before frame position end (or at it, when reachingEnd).
    void takeSeries(QVEffect& effect, double end, bool reachingEnd);
    bool save(QVEffect& effect, const std::string& path);

    std::string finalPath;
    std::string seriesDir;
    double framesPerPicture;
    int64_t seriesCount = 0;
    std::vector<std::string> seriesPaths;
    std::string finalWritten;
    std::string failure;
};

// Empty when folder holds every bitmap the window draws, else why the pictures cannot be made.
std::string checkBitmapFolder(const std::string& folder);
