#include "PlugInExports.h"

#include <cstring>

extern "C"
{
    ComponentResult (*const _PI_GetRoutineDescriptor)(SInt32, PlugInRoutine*) = &PI_GetRoutineDescriptor;

    SInt32 Dispatcher(const void* record)
    {
        if (record == nullptr)
            return 0;
        SInt32 selector = 0;
        SInt32 answer = 0;
        std::memcpy(&selector, static_cast<const Byte*>(record) + 4, sizeof(selector));
        std::memcpy(&answer, static_cast<const Byte*>(record) + 10, sizeof(answer));
        return selector == 0 ? answer : 0;
    }
}
