#pragma once
// The host's control value scale: one signed 32-bit word from its lowest to its highest
// setting, and its conversion to and from a range of whole steps.

#include "HostTypes.h"

constexpr SInt32 kControlValueLowest = -2147483647 - 1;
constexpr SInt32 kControlValueHighest = 2147483647;

// The step nearest to the control value; halves go upwards.
SInt32 LongControlToNewRange(SInt32 value, SInt32 min, SInt32 max);
// The control value of a step, the step first clamped into [min, max].
SInt32 LongToLongControl(SInt32 step, SInt32 min, SInt32 max);
// value + delta, held at the ends of the scale instead of wrapping.
SInt32 AddControlValueSaturating(SInt32 value, SInt32 delta);
