// One input analysed end to end: opened, run through the meter, summarised, traced, plotted and
// its window pictured as the options ask.
#pragma once

#include "AnalyzeOptions.h"
#include "FileSummary.h"
#include "MeterReadings.h"

#include <atomic>
#include <string>
#include <vector>

struct AnalysisResult
{
    std::string name;
    int32_t sampleRate = 0;
    int32_t channels = 0;
    int64_t frames = 0;
    int32_t block = 0;
    MeterReadings readings;
    FileSummary summary;
    // The demonstration programme: the readings at the end of each passage.
    std::vector<std::pair<std::string, MeterReadings>> passages;
    std::string snapshot;                     // the window at the end, when written
    std::vector<std::string> snapshotSeries;  // the window along the input, in order
    std::vector<std::string> warnings;
    std::string error; // empty on success
};

extern const char* const kDemoName;

// path empty: the demonstration programme.
AnalysisResult analyseInput(const std::string& path, const AnalyzeOptions& options,
                            std::atomic<int64_t>* progress = nullptr);

// Frames the input holds, for progress; 0 when unknown or unreadable.
int64_t inputFrames(const std::string& path);
