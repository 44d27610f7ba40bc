// Indexes of the meter effect's nineteen meters, as its window and tools address them.
#pragma once

#include <cstdint>

enum ZodizedezMeter : int32_t
{
    kMeterPeakL = 0,
    kMeterPeakR = 1,
    kMeterRmsL = 2,
    kMeterRmsR = 3,
    kMeterRmsHoldL = 4,
    kMeterRmsHoldR = 5,
    kMeterAllTimePeakL = 6,
    kMeterAllTimePeakR = 7,
    kMeterPeakHoldL = 8,
    kMeterPeakHoldR = 9,
    kMeterDynamicRangeL = 10,
    kMeterPeakSmoothL = 11,
    kMeterDynamicRangeR = 12,
    kMeterPeakSmoothR = 13,
    kMeterDynamicRangeLR = 14,
    kMeterPeakSmoothMax = 15,
    kMeterSilenceL = 16,
    kMeterSilenceR = 17,
    kMeterCorrelation = 18,
    kMeterTotal = 19,
};

enum ZodizedezParameter : int32_t
{
    kParamMono = 0,
    kParamLink = 1,
    kParamTotal = 2,
};
