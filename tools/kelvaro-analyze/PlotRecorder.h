// --plot: keeps the levels and the combined dynamic range of every block and draws them as a PNG.
#pragma once

#include "MeterRun.h"

#include <string>
#include <vector>

class PlotRecorder : public BlockObserver
{
public:
    // One point of the picture, in dBFS and dB.
    struct Point
    {
        float peakL, peakR, rmsL, rmsR, rangeLR;
    };

    explicit PlotRecorder(double secondsPerBlock) : secondsPerBlock(secondsPerBlock) {}
    void onBlock(int64_t blockIndex, const MeterValues& meters) override;

    // Draws the recording; false with the reason in error when the picture cannot be written.
    bool write(const std::string& path, const std::string& title, std::string& error) const;

    const std::vector<Point>& points() const { return recorded; }

private:
    double secondsPerBlock;
    std::vector<Point> recorded;
};
