#include "MeterReadings.h"

#include "QVEffect.h"

namespace
{
constexpr int32_t kReadoutLength = 63;
}

MeterValues MeterReadings::linearOf(QVEffect& effect)
{
    MeterValues values{};
    for (int32_t index = 0; index < kMeterTotal; ++index)
        values[size_t(index)] = effect.getMeterLinear(index);
    return values;
}

MeterReadings MeterReadings::of(QVEffect& effect)
{
    MeterReadings readings;
    readings.linear = linearOf(effect);
    for (int32_t index = 0; index < kMeterTotal; ++index)
    {
        readings.positions[size_t(index)] = effect.getMeter(index);
        char text[kReadoutLength + 1];
        effect.getMeterValueString(index, text, kReadoutLength);
        readings.texts[size_t(index)] = text;
    }
    return readings;
}
