// The nineteen meters: linear values, display positions and read-out texts.
#include "Zodizedez.h"

#include "QVHelpers.h"
#include "QVString.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr auto relaxed = std::memory_order_relaxed;
constexpr int32_t kDecimals = 1;

enum class ReadoutClass
{
    level,
    allTimePeak,
    dynamicRange,
    silence,
    correlation,
    unknown,
};

ReadoutClass classOf(int32_t index)
{
    switch (index)
    {
    case kMeterAllTimePeakL:
    case kMeterAllTimePeakR:
        return ReadoutClass::allTimePeak;
    case kMeterDynamicRangeL:
    case kMeterDynamicRangeR:
    case kMeterDynamicRangeLR:
        return ReadoutClass::dynamicRange;
    case kMeterSilenceL:
    case kMeterSilenceR:
        return ReadoutClass::silence;
    case kMeterCorrelation:
        return ReadoutClass::correlation;
    default:
        return index >= 0 && index < kMeterTotal ? ReadoutClass::level : ReadoutClass::unknown;
    }
}

// Below this (-96 dB) a level reads as minus infinity. Initialised once, safely for concurrent first callers.
float levelFloor()
{
    static const float floor = std::pow(10.0f, -4.8f);
    return floor;
}

// -48 dB at position 0 up to 0 dB at position 1.
float decibelPosition(float v)
{
    const float p = (20.0f * std::log10(v) + 48.0f) / 48.0f;
    return std::clamp(p, 0.0f, 1.0f);
}

void writeLevel(float v, char* text, int32_t maxLen)
{
    if (v >= levelFloor())
        QVHelpers::dB2string(v, text, maxLen, false, kDecimals);
    else
        qv_strncpy(text, "-oo", maxLen, 0);
}

void writeDynamicRange(float v, char* text, int32_t maxLen)
{
    if (v > 1.0f || std::isnan(v))
        QVHelpers::dB2string(v, text, maxLen, false, kDecimals);
    else
        QVHelpers::float2string(0.0f, text, maxLen, false, kDecimals);
}
} // namespace

float Zodizedez::analysisSlot(int32_t slot) const
{
    return analysis[size_t(slot)].load(relaxed);
}

float Zodizedez::getMeterLinear(int32_t index)
{
    switch (index)
    {
    case kMeterPeakL: return peakDisplayL.load(relaxed);
    case kMeterPeakR: return peakDisplayR.load(relaxed);
    case kMeterRmsL: return rmsDisplayL.load(relaxed);
    case kMeterRmsR: return rmsDisplayR.load(relaxed);
    case kMeterRmsHoldL: return rmsHoldL.load(relaxed);
    case kMeterRmsHoldR: return rmsHoldR.load(relaxed);
    case kMeterAllTimePeakL: return analysisSlot(DR::kOutMaxPeakL);
    case kMeterAllTimePeakR: return analysisSlot(DR::kOutMaxPeakR);
    case kMeterPeakHoldL: return peakHoldL.load(relaxed);
    case kMeterPeakHoldR: return peakHoldR.load(relaxed);
    case kMeterDynamicRangeL: return drL.load(relaxed);
    case kMeterPeakSmoothL: return peakSmoothL.load(relaxed);
    case kMeterDynamicRangeR: return drR.load(relaxed);
    case kMeterPeakSmoothR: return peakSmoothR.load(relaxed);
    case kMeterDynamicRangeLR: return drLR.load(relaxed);
    case kMeterPeakSmoothMax: return peakSmoothMax.load(relaxed);
    case kMeterSilenceL: return 1.0f - analysisSlot(DR::kOutSignalL);
    case kMeterSilenceR: return 1.0f - analysisSlot(DR::kOutSignalR);
    case kMeterCorrelation: return (1.0f + analysisSlot(DR::kOutCorrelation)) * 0.5f;
    default: return QVEffect::getMeterLinear(index);
    }
}

float Zodizedez::getMeter(int32_t index)
{
    const float v = getMeterLinear(index);
    switch (classOf(index))
    {
    case ReadoutClass::level:
    case ReadoutClass::dynamicRange: return decibelPosition(v);
    case ReadoutClass::silence:
    case ReadoutClass::correlation: return std::clamp(v, 0.0f, 1.0f);
    default: return QVEffect::getMeter(index);
    }
}

void Zodizedez::getMeterValueString(int32_t index, char* text, int32_t maxLen)
{
    const float v = getMeterLinear(index);
    switch (classOf(index))
    {
    case ReadoutClass::allTimePeak:
        if (v >= 1.0f)
            qv_strncpy(text, "over", maxLen, 0);
        else
            writeLevel(v, text, maxLen);
        break;
    case ReadoutClass::level: writeLevel(v, text, maxLen); break;
    case ReadoutClass::dynamicRange: writeDynamicRange(v, text, maxLen); break;
    case ReadoutClass::correlation:
        QVHelpers::float2string(analysisSlot(DR::kOutCorrelation), text, maxLen, false, kDecimals);
        break;
    default: QVEffect::getMeterValueString(index, text, maxLen); break;
    }
}

void Zodizedez::getMeterUnitString(int32_t, char* text, int32_t maxLen)
{
    qv_strncpy(text, "", maxLen, 0);
}
