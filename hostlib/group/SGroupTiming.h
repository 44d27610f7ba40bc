#pragma once
// The group's sample rate and time-code position, copied by every new type and process.

#include "HostTypes.h"

struct SGroupTiming
{
    SInt32 fSampleRate = 44100;
    Byte fFrameRate = 5;
    SInt32 fFrameOffset = 0;
};

// The timing of the library's group, or the start values when there is none.
SGroupTiming CurrentGroupTiming();
