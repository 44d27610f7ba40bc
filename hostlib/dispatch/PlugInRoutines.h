#pragma once
// The host's routine table: 174 selectors, 165 of them assigned.

#include "HostTypes.h"

using PlugInRoutine = void (*)();

constexpr SInt32 kNumRoutineSelectors = 174;

// out is cleared first; -9007 for a selector that names no routine.
ComponentResult PI_GetRoutineDescriptor(SInt32 selector, PlugInRoutine* out);
