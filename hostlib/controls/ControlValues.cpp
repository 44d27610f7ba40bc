#include "ControlValues.h"

#include <cmath>

namespace
{
constexpr double kScaleSteps = 4294967295.0;
} // namespace

SInt32 LongControlToNewRange(SInt32 value, SInt32 min, SInt32 max)
{
    const double position = (double(value) + 2147483648.0) / kScaleSteps;
    return SInt32(std::floor(double(min) + (double(max) - double(min)) * position + 0.5));
}

SInt32 LongToLongControl(SInt32 step, SInt32 min, SInt32 max)
{
    if (step > max)
        step = max;
    else if (step < min)
        step = min;
    // A one-step range has no second step to reach: its only step is the lowest setting.
    if (max <= min)
        return kControlValueLowest;
    const double position = (double(step) - double(min)) / (double(max) - double(min));
    return SInt32(-2147483648.0 + kScaleSteps * position);
}

SInt32 AddControlValueSaturating(SInt32 value, SInt32 delta)
{
    const SInt32 sum = SInt32(UInt32(value) + UInt32(delta));
    const bool sameSign = (value < 0) == (delta < 0);
    if (sameSign && (sum < 0) != (delta < 0))
        return delta < 0 ? kControlValueLowest : kControlValueHighest;
    return sum;
}
