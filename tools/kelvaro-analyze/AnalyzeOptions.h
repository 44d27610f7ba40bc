// Command line of kelvaro-analyze.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct AnalyzeOptions
{
    std::vector<std::string> files; // empty: the demonstration programme
    int32_t block = 512;
    bool mono = false;
    bool json = false;
    std::string tracePath;
    std::string plotPath;
    std::string snapshotPath;         // the window at the end of the input
    double snapshotEverySeconds = 0;  // 0: no series
    std::string snapshotDir;          // where the series goes
    std::string resourceDir;          // the window's bitmaps; empty: the build's folder
    int32_t jobs = 0; // 0: one per core
    bool help = false;
};

// The options, or nullopt with the reason in error.
std::optional<AnalyzeOptions> parseAnalyzeOptions(const std::vector<std::string>& args, std::string& error);

extern const char* const kAnalyzeUsage;
