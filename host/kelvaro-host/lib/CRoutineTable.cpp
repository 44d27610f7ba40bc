#include "CRoutineTable.h"

#include <string>

#include "CHostError.h"

PlugInRoutine CRoutineTable::Fetch(SInt32 selector)
{
    PlugInRoutine& routine = fRoutines.at(size_t(selector));
    if (routine == nullptr)
    {
        ThrowOnHostError(fDescribe(selector, &routine), "routine " + std::to_string(selector));
        if (routine == nullptr)
            throw CHostError(-9007, "routine " + std::to_string(selector));
    }
    return routine;
}
