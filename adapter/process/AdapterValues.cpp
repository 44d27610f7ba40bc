#include "AdapterValues.h"

#include <algorithm>
#include <array>

namespace
{
constexpr double kHostRange = 4294967295.0;
constexpr double kHostLowest = 2147483648.0;
constexpr float kMeterFullScale = 2147483648.0f;

struct SMeterTypePair
{
    SInt32 host;
    SInt32 effect;
};
constexpr std::array<SMeterTypePair, 5> kMeterTypes = {{{0, 1}, {1, 2}, {2, 3}, {3, 4}, {5, 0}}};

// Indexed by the host's highlight colour.
constexpr std::array<SInt32, 4> kHighlightCodes = {1, 3, 2, 4};
} // namespace

// An effect value outside 0..1, or NaN, would overflow the conversion.
SInt32 ToHostControlValue(float normalised)
{
    const double value = normalised >= 0.0f ? std::min(double(normalised), 1.0) : 0.0;
    return SInt32(value * kHostRange - kHostLowest);
}

float ToEffectValue(SInt32 hostValue)
{
    return float((double(hostValue) + kHostLowest) / kHostRange);
}

UInt32 ToHostMeterValue(float linear)
{
    if (linear > 1.0f)
        return 0xFFFFFFFFu;
    if (!(linear >= 0.0f))
        return 0;
    return UInt32(linear * kMeterFullScale);
}

std::optional<SInt32> EffectMeterTypeOf(SInt32 hostMeterType)
{
    for (const SMeterTypePair& pair : kMeterTypes)
        if (pair.host == hostMeterType)
            return pair.effect;
    return std::nullopt;
}

SInt32 HighlightCodeOf(SInt16 highlighted, SInt16 colour)
{
    if (highlighted == 0 || colour < 0 || size_t(colour) >= kHighlightCodes.size())
        return 0;
    return kHighlightCodes[size_t(colour)];
}

bool IsValueKey(SInt16 key)
{
    const bool digit = key >= '0' && key <= '9';
    const bool letter = (key >= 'A' && key <= 'Z') || (key >= 'a' && key <= 'z');
    return digit || letter || key == '+' || key == ',' || key == '-' || key == '.';
}
