// kelvaro-analyze: runs the meter over audio files as a host would and prints its readings.
#include "AnalyzeOptions.h"
#include "DrawingShutdown.h"
#include "ParallelAnalysis.h"
#include "Reports.h"
#include "WindowSnapshots.h"

#include "CBitmap.h"

#include <cstdio>

namespace
{
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

int report(const std::vector<AnalysisResult>& results, bool json)
{
    int status = 0;
    bool firstText = true;
    for (const AnalysisResult& result : results)
    {
        for (const std::string& warning : result.warnings)
            std::fprintf(stderr, "kelvaro-analyze: warning: %s %s\n", result.name.c_str(), warning.c_str());
        if (!result.error.empty())
        {
            std::fprintf(stderr, "kelvaro-analyze: %s: %s\n", result.name.c_str(), result.error.c_str());
            status = kExitFailure;
            continue;
        }
        if (json)
            std::printf("%s\n", jsonReport(result).c_str());
        else
            std::printf("%s%s", firstText ? "" : "\n", textReport(result).c_str());
        firstText = false;
    }
    return status;
}

// The window's pictures need its bitmaps; without them it would draw an empty frame.
bool useBitmapFolder(const AnalyzeOptions& options)
{
    if (options.snapshotPath.empty() && options.snapshotEverySeconds <= 0)
        return true;
    const std::string folder = options.resourceDir.empty() ? KELVARO_BITMAP_DIR : options.resourceDir;
    const std::string problem = checkBitmapFolder(folder);
    if (!problem.empty())
    {
        std::fprintf(stderr, "kelvaro-analyze: %s\n", problem.c_str());
        return false;
    }
    CBitmap::setResourceFolder(folder);
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    std::string error;
    const auto options = parseAnalyzeOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options)
    {
        std::fprintf(stderr, "kelvaro-analyze: %s\n%s", error.c_str(), kAnalyzeUsage);
        return kExitUsage;
    }
    if (options->help)
    {
        std::fputs(kAnalyzeUsage, stdout);
        return 0;
    }
    if (!useBitmapFolder(*options))
        return kExitFailure;
    const std::vector<std::string> inputs = options->files.empty() ? std::vector<std::string>{""} : options->files;
    const int status = report(analyseAll(inputs, *options), options->json);
    releaseDrawingCaches();
    return status;
}
