// The whole-file figures a mastering engineer asks for: the highest peak and the spread of the
// combined dynamic-range reading over the blocks that carry signal.
#pragma once

#include "MeterRun.h"

#include <cstdint>
#include <vector>

struct FileSummary
{
    float highestPeak = 0;   // linear; 1.0 also when the meter saw an over
    bool over = false;
    int64_t rangeBlocks = 0; // blocks that entered the figures below
    double rangeMinDb = 0, rangeMedianDb = 0, rangeMaxDb = 0;
};

class SummaryCollector : public BlockObserver
{
public:
    // The meter's dynamic-range reading needs about a second to settle from its reset state;
    // blocks before that are left out.
    static constexpr double kSettleSeconds = 1.0;

    SummaryCollector(int32_t sampleRate, int32_t block);
    void onBlock(int64_t blockIndex, const MeterValues& meters) override;
    FileSummary summary() const;

    // The read-out's value in dB: a reading at or below 1.0 shows as 0 dB.
    static double dynamicRangeDb(float linear);

private:
    int64_t settleBlocks;
    float highestPeak = 0;
    std::vector<float> rangeDb;
};
