#pragma once
// The type a host inserts on a stereo track: real-time, stereo in and stereo out.

#include <optional>

#include "CRoutineTable.h"

// Throws CHostError -7125 when the plug-in offers none.
OSType FindStereoRealTimeType(CRoutineTable& routines);
