#pragma once
// The module's doors to the routine table.

#include "PlugInRoutines.h"

extern "C"
{
    // A data word holding the table function.
    extern ComponentResult (*const _PI_GetRoutineDescriptor)(SInt32 selector, PlugInRoutine* out);
    // The long at byte 10 of the record when the long at byte 4 is 0, else 0.
    SInt32 Dispatcher(const void* record);
}
