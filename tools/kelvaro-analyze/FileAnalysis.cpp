#include "FileAnalysis.h"

#include "DemoProgramme.h"
#include "PlotRecorder.h"
#include "PrefetchingSource.h"
#include "SoundFileSource.h"
#include "TraceWriter.h"
#include "WindowSnapshots.h"

#include <memory>
#include <optional>

const char* const kDemoName = "demonstration programme";

namespace
{
std::unique_ptr<AudioSource> openInput(const std::string& path, std::string& error)
{
    if (path.empty())
        return std::make_unique<DemoProgramme>();
    auto file = SoundFileSource::open(path, error);
    if (!file)
        return nullptr;
    return std::make_unique<PrefetchingSource>(std::move(file));
}
} // namespace

int64_t inputFrames(const std::string& path)
{
    if (path.empty())
        return DemoProgramme::kPassageFrames * int64_t(DemoProgramme::passageNames().size());
    std::string ignored;
    const auto file = SoundFileSource::open(path, ignored);
    return file ? file->frames() : 0;
}

AnalysisResult analyseInput(const std::string& path, const AnalyzeOptions& options, std::atomic<int64_t>* progress)
{
    AnalysisResult result;
    result.name = path.empty() ? kDemoName : path;
    result.block = options.block;
    const auto source = openInput(path, result.error);
    if (!source)
        return result;
    result.sampleRate = source->sampleRate();
    result.channels = source->channels();
    if (result.channels > 2)
        result.warnings.push_back("has " + std::to_string(result.channels) +
                                  " channels; only the first two are measured");

    SummaryCollector summary(result.sampleRate, options.block);
    std::vector<BlockObserver*> observers{&summary};
    std::optional<TraceWriter> trace;
    if (!options.tracePath.empty())
    {
        trace.emplace(options.tracePath);
        if (!trace->error().empty())
        {
            result.error = trace->error();
            return result;
        }
        observers.push_back(&*trace);
    }
    PlotRecorder plot(double(options.block) / result.sampleRate);
    if (!options.plotPath.empty())
        observers.push_back(&plot);

    WindowSnapshots window(options.snapshotPath, options.snapshotEverySeconds, options.snapshotDir,
                           result.sampleRate);
    if (!window.error().empty())
    {
        result.error = window.error();
        return result;
    }
    const bool wantsWindow = !options.snapshotPath.empty() || options.snapshotEverySeconds > 0;
    MeterRunSettings settings{options.block, options.mono, {}, wantsWindow ? &window : nullptr};
    const auto& passageNames = DemoProgramme::passageNames();
    if (path.empty())
        for (size_t i = 1; i <= passageNames.size(); ++i)
            settings.snapshotFrames.push_back(int64_t(i) * DemoProgramme::kPassageFrames);
    MeterRunOutcome outcome = runMeter(*source, settings, observers, progress);
    for (size_t i = 0; i < outcome.snapshots.size(); ++i)
        result.passages.emplace_back(passageNames[i], outcome.snapshots[i]);
    result.frames = outcome.frames;
    result.readings = std::move(outcome.final);
    result.summary = summary.summary();
    result.error = std::move(outcome.error);
    result.snapshot = window.finalPicture();
    result.snapshotSeries = window.series();
    if (result.error.empty())
        result.error = window.error();
    if (result.error.empty() && trace && !trace->finish())
        result.error = trace->error();
    if (result.error.empty() && !options.plotPath.empty())
        plot.write(options.plotPath, "Kelvaro: " + result.name, result.error);
    return result;
}
