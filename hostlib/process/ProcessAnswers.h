#pragma once
// Answers of the process defaults: an out-value and a result code.

#include "HostTypes.h"

template <typename Out, typename Value>
ComponentResult Answer(Out* out, Value value, ComponentResult result = 0)
{
    *out = Out(value);
    return result;
}
