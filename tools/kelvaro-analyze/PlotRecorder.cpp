#include "PlotRecorder.h"

#include "FileSummary.h"

#include <cmath>

namespace
{
float levelDb(float linear)
{
    return linear > 0.0f ? 20.0f * std::log10(linear) : -INFINITY;
}
} // namespace

void PlotRecorder::onBlock(int64_t, const MeterValues& meters)
{
    recorded.push_back({levelDb(meters[kMeterPeakL]), levelDb(meters[kMeterPeakR]), levelDb(meters[kMeterRmsL]),
                        levelDb(meters[kMeterRmsR]),
                        float(SummaryCollector::dynamicRangeDb(meters[kMeterDynamicRangeLR]))});
}
