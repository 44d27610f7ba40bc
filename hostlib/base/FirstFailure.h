#pragma once
// Runs an operation on every item and answers the first failure, or 0.

#include "HostTypes.h"

template <typename Items, typename Operation>
ComponentResult ForEachFirstFailure(const Items& items, Operation operation)
{
    ComponentResult result = 0;
    for (const auto& item : items)
    {
        const ComponentResult answer = operation(*item);
        if (result == 0)
            result = answer;
    }
    return result;
}
