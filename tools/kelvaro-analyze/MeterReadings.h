// What the meter shows at one moment: the nineteen values, their display positions and read-outs.
#pragma once

#include "ZodizedezMeter.h"

#include <array>
#include <string>

class QVEffect;

using MeterValues = std::array<float, kMeterTotal>;

struct MeterReadings
{
    MeterValues linear{};
    MeterValues positions{};
    std::array<std::string, kMeterTotal> texts;

    static MeterValues linearOf(QVEffect& effect);
    static MeterReadings of(QVEffect& effect);
};
