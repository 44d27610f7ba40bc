#include "PlugInOwnRoutines.h"

#include "CRoutineCaller.h"

namespace
{
constexpr auto kRule = ECriticalSectionRule::eWhenScopeNotZero;

template <auto Operation>
using Routine = SGroupRoutine<Operation, kRule>;

// Asks the group for a pointer through an out-parameter; null when the operation failed.
template <typename Pointer, auto Operation>
Pointer* PointerFromGroup(OSType type, SInt32 process, SInt32 control)
{
    Pointer* pointer = nullptr;
    return Routine<Operation>::Call(type, process, control, &pointer) == 0 ? pointer : nullptr;
}
} // namespace

ComponentResult PI_GetControlNameOfLength(OSType type, SInt32 process, SInt32 control, char* out, SInt32 maxLen,
                                          OSType controllerType, SInt16* result)
{
    const SControlSpecifier specifier = {type, process, control};
    return Routine<&CProcessGroupInterface::GetControlNameOfLengthLessArgs>::Call(&specifier, out, maxLen,
                                                                                 controllerType, result);
}

ComponentResult PI_MapControlValToString(OSType type, SInt32 process, SInt32 control, SInt32 value, char* out,
                                         SInt32 maxLen)
{
    const SControlSpecifier specifier = {type, process, control};
    return Routine<&CProcessGroupInterface::MapControlValToStringLessArgs>::Call(&specifier, value, out, maxLen);
}

ComponentResult PI_GetControlForPage(OSType type, SInt32 process, OSType controllerType, SInt32 page, SInt32 slot,
                                     SInt32* control)
{
    const SProcessSpecifier specifier = {type, process};
    return Routine<&CProcessGroupInterface::GetControlForPageLessArgs>::Call(&specifier, controllerType, page, slot,
                                                                            control);
}

ComponentResult PI_GetNumParamFormats(OSType type, SInt32 process, SInt32 port, Boolean isInput, SInt32* count)
{
    const SParamSpecifier specifier = {type, process, port, isInput};
    return Routine<&CProcessGroupInterface::GetNumParamFormatsLessArgs>::Call(&specifier, count);
}

ComponentResult PI_GetIndexParamFormat(OSType type, SInt32 process, SInt32 port, Boolean isInput, SInt32 index,
                                       SConnectionFormat* format)
{
    const SParamSpecifier specifier = {type, process, port, isInput};
    return Routine<&CProcessGroupInterface::GetIndexParamFormatLessArgs>::Call(&specifier, index, format);
}

ComponentResult PI_GetRelatedProcessTypeOfType(SPlugInSpec* spec, SInt32 kind, SInt32 inputs, SInt32 outputs,
                                               SInt32 inputStem, SInt32 outputStem)
{
    const SStemSpecifier wanted = {kind, inputs, outputs, inputStem, outputStem};
    return Routine<&CProcessGroupInterface::GetRelatedProcessTypeOfTypeLessArgs>::Call(spec, &wanted);
}

SAutoEventList* PI_GetAutoEventList(OSType type, SInt32 process, SInt32 control)
{
    return PointerFromGroup<SAutoEventList, &CProcessGroupInterface::GetAutoEventList>(type, process, control);
}

void* PI_GetAutoEventTag(OSType type, SInt32 process, SInt32 control)
{
    return PointerFromGroup<void, &CProcessGroupInterface::GetAutoEventTag>(type, process, control);
}

ComponentResult PI_GetControlUnitsString(OSType, SInt32, SInt32, char* out, SInt32)
{
    if (out != nullptr)
        *out = '\0';
    return 0;
}
