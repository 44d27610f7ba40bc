#include "Reports.h"

#include "JsonWriter.h"

#include <cmath>
#include <cstdio>

namespace
{
// The read-outs a window shows, under the names the JSON report gives them.
struct NamedReadout
{
    const char* key;
    int32_t meter;
};

const NamedReadout kReadouts[] = {
    {"peak_left", kMeterAllTimePeakL}, {"peak_right", kMeterAllTimePeakR}, {"rms_left", kMeterRmsL},
    {"rms_right", kMeterRmsR},         {"dr_left", kMeterDynamicRangeL},  {"dr_right", kMeterDynamicRangeR},
    {"dr_combined", kMeterDynamicRangeLR}, {"correlation", kMeterCorrelation},
};

double peakDbfs(const FileSummary& summary)
{
    return summary.highestPeak > 0 ? 20.0 * std::log10(double(summary.highestPeak)) : -INFINITY;
}

std::string format(const char* pattern, auto... values)
{
    char text[256];
    std::snprintf(text, sizeof text, pattern, values...);
    return text;
}

// What the window shows at the end of each passage of the demonstration programme.
std::string passageTable(const AnalysisResult& r)
{
    const int32_t columns[] = {kMeterPeakHoldL, kMeterPeakHoldR, kMeterRmsL,           kMeterRmsR,
                               kMeterDynamicRangeL, kMeterDynamicRangeR, kMeterDynamicRangeLR, kMeterCorrelation};
    std::string out = format("  %-18s %7s %7s %7s %7s %7s %7s %7s %7s\n", "at the end of", "hold L", "hold R",
                             "RMS L", "RMS R", "DR L", "DR R", "DR L+R", "corr");
    for (const auto& [name, readings] : r.passages)
    {
        out += format("  %-18s", name.c_str());
        for (int32_t meter : columns)
            out += format(" %7s", readings.texts[size_t(meter)].c_str());
        out += "\n";
    }
    return out + "\n";
}

std::string summaryLine(const FileSummary& summary)
{
    const double peak = peakDbfs(summary);
    std::string line = "  highest peak " + (std::isfinite(peak) ? format("%.1f dBFS", peak) : std::string("-oo dBFS"));
    if (summary.over)
        line += " (over)";
    line += "\n  dynamic range ";
    if (summary.rangeBlocks == 0)
        return line + "not measured: no signal after the meter settled\n";
    return line + format("min %.1f dB, median %.1f dB, max %.1f dB over %lld blocks with signal\n",
                         summary.rangeMinDb, summary.rangeMedianDb, summary.rangeMaxDb,
                         static_cast<long long>(summary.rangeBlocks));
}
// Names the window pictures written; a long series by its first and last.
std::string snapshotLines(const AnalysisResult& r)
{
    std::string out;
    const auto& series = r.snapshotSeries;
    if (series.size() == 1)
        out += "  window snapshot  " + series.front() + "\n";
    else if (!series.empty())
        out += format("  window snapshots %zu, ", series.size()) + series.front() + " ... " + series.back() + "\n";
    if (!r.snapshot.empty())
        out += "  window snapshot  " + r.snapshot + "\n";
    return out;
}
} // namespace

std::string textReport(const AnalysisResult& r)
{
    const auto& t = r.readings.texts;
    const double seconds = r.sampleRate > 0 ? double(r.frames) / r.sampleRate : 0.0;
    std::string out = r.name + "\n";
    out += format("  %d Hz, %d channel%s, %lld frames (%.1f s), block %d\n\n", r.sampleRate, r.channels,
                  r.channels == 1 ? "" : "s", static_cast<long long>(r.frames), seconds, r.block);
    out += format("  %-16s %8s %8s\n", "", "left", "right");
    out += format("  %-16s %8s %8s\n", "all-time peak", t[kMeterAllTimePeakL].c_str(), t[kMeterAllTimePeakR].c_str());
    out += format("  %-16s %8s %8s\n", "RMS", t[kMeterRmsL].c_str(), t[kMeterRmsR].c_str());
    out += format("  %-16s %8s %8s\n", "dynamic range", t[kMeterDynamicRangeL].c_str(),
                  t[kMeterDynamicRangeR].c_str());
    out += format("  %-16s %8s\n", "  combined", t[kMeterDynamicRangeLR].c_str());
    out += format("  %-16s %8s\n\n", "correlation", t[kMeterCorrelation].c_str());
    if (!r.passages.empty())
        out += passageTable(r);
    out += "  summary\n" + summaryLine(r.summary);
    const std::string snapshots = snapshotLines(r);
    return snapshots.empty() ? out : out + "\n" + snapshots;
}

std::string jsonReport(const AnalysisResult& r)
{
    const FileSummary& s = r.summary;
    const bool measured = s.rangeBlocks > 0;
    JsonWriter json;
    json.beginObject()
        .field("file", r.name)
        .field("sample_rate", int64_t(r.sampleRate))
        .field("channels", int64_t(r.channels))
        .field("frames", r.frames)
        .field("block", int64_t(r.block));
    json.beginArray("meters");
    for (float v : r.readings.linear)
        json.element(double(v));
    json.endArray().beginArray("positions");
    for (float v : r.readings.positions)
        json.element(double(v));
    json.endArray().beginObject("readouts");
    for (const NamedReadout& readout : kReadouts)
        json.field(readout.key, r.readings.texts[size_t(readout.meter)]);
    json.endObject()
        .beginObject("summary")
        .field("peak_dbfs", peakDbfs(s))
        .field("over", s.over)
        .field("dr_blocks", s.rangeBlocks)
        .field("dr_min_db", measured ? s.rangeMinDb : NAN)
        .field("dr_median_db", measured ? s.rangeMedianDb : NAN)
        .field("dr_max_db", measured ? s.rangeMaxDb : NAN)
        .endObject();
    json.beginArray("passages");
    for (const auto& [name, readings] : r.passages)
    {
        json.beginObject().field("name", name);
        for (const NamedReadout& readout : kReadouts)
            json.field(readout.key, readings.texts[size_t(readout.meter)]);
        json.endObject();
    }
    json.endArray();
    if (!r.snapshot.empty())
        json.field("snapshot", r.snapshot);
    json.beginArray("snapshot_series");
    for (const std::string& path : r.snapshotSeries)
        json.element(path);
    json.endArray().beginArray("warnings");
    for (const std::string& warning : r.warnings)
        json.element(warning);
    return json.endArray().endObject().text();
}
