#include "FileSummary.h"

#include <algorithm>
#include <cmath>

SummaryCollector::SummaryCollector(int32_t sampleRate, int32_t block)
    : settleBlocks(int64_t(std::ceil(kSettleSeconds * sampleRate / block)))
{
}

double SummaryCollector::dynamicRangeDb(float linear)
{
    return linear > 1.0f ? 20.0 * std::log10(double(linear)) : 0.0;
}

void SummaryCollector::onBlock(int64_t blockIndex, const MeterValues& meters)
{
    highestPeak = std::max({highestPeak, meters[kMeterAllTimePeakL], meters[kMeterAllTimePeakR]});
    const bool signal = meters[kMeterSilenceL] == 0.0f || meters[kMeterSilenceR] == 0.0f;
    if (signal && blockIndex >= settleBlocks)
        rangeDb.push_back(float(dynamicRangeDb(meters[kMeterDynamicRangeLR])));
}

FileSummary SummaryCollector::summary() const
{
    FileSummary summary;
    summary.highestPeak = highestPeak;
    summary.over = highestPeak >= 1.0f;
    summary.rangeBlocks = int64_t(rangeDb.size());
    if (rangeDb.empty())
        return summary;
    std::vector<float> sorted = rangeDb;
    std::sort(sorted.begin(), sorted.end());
    const size_t n = sorted.size();
    summary.rangeMinDb = sorted.front();
    summary.rangeMaxDb = sorted.back();
    summary.rangeMedianDb = n % 2 == 1 ? sorted[n / 2] : (double(sorted[n / 2 - 1]) + sorted[n / 2]) / 2.0;
    return summary;
}
