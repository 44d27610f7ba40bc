#include "ParallelAnalysis.h"

#include "ProgressBar.h"

#include <algorithm>
#include <thread>

std::vector<AnalysisResult> analyseAll(const std::vector<std::string>& paths, const AnalyzeOptions& options)
{
    std::vector<AnalysisResult> results(paths.size());
    int64_t totalFrames = 0;
    for (const std::string& path : paths)
        totalFrames += inputFrames(path);

    std::atomic<int64_t> framesDone{0};
    std::atomic<size_t> next{0};
    auto worker = [&] {
        for (size_t i = next++; i < paths.size(); i = next++)
            results[i] = analyseInput(paths[i], options, &framesDone);
    };

    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const size_t jobs = std::min(paths.size(), options.jobs > 0 ? size_t(options.jobs) : size_t(cores));
    ProgressBar progress(framesDone, totalFrames);
    std::vector<std::thread> workers;
    for (size_t j = 1; j < jobs; ++j)
        workers.emplace_back(worker);
    worker();
    for (std::thread& t : workers)
        t.join();
    return results;
}
