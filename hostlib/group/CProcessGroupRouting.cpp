// How the group reaches a type and a process: by the type's OS type (-7125 when no type has
// it) and the process index (-7126 when no live process has it).

#include <algorithm>

#include "CDAEError.h"
#include "CProcessGroup.h"
#include "DAEErrorCodes.h"

#define KELVARO_ROUTE_PROCESS_OPERATION(name, arguments, ...)                                      \
    ComponentResult CProcessGroup::name(OSType type, SInt32 processIndex __VA_OPT__(, ) __VA_ARGS__) \
    {                                                                                               \
        return RouteToProcess(type, processIndex, [&](CProcess& process) { return process.name arguments; }); \
    }
#define KELVARO_ROUTE_CONTROL_OPERATION(name, arguments, ...)                                      \
    ComponentResult CProcessGroup::name(OSType type, SInt32 processIndex __VA_OPT__(, ) __VA_ARGS__) \
    {                                                                                               \
        return RouteToControl(type, processIndex, control,                                          \
                              [&](CProcess& process) { return process.name arguments; });           \
    }
KELVARO_PROCESS_OPERATIONS(KELVARO_ROUTE_PROCESS_OPERATION, KELVARO_ROUTE_CONTROL_OPERATION)
#undef KELVARO_ROUTE_PROCESS_OPERATION
#undef KELVARO_ROUTE_CONTROL_OPERATION

// ---- Answered by the type

ComponentResult CProcessGroup::GetProcessTypeFlags(OSType type, SInt32* flags)
{
    return GetProcessType(type).GetProcessTypeFlags(flags);
}

ComponentResult CProcessGroup::IsIOProcessType(OSType type, Boolean* isIO)
{
    return GetProcessType(type).IsIOProcessType(isIO);
}

ComponentResult CProcessGroup::GetPlugInType(OSType type, SInt32* kind)
{
    *kind = GetProcessType(type).GetPlugInType();
    return 0;
}

ComponentResult CProcessGroup::Gestalt(OSType type, SInt32 selector, SInt32* value)
{
    CProcessType* processType = FindProcessType(type);
    if (processType == nullptr)
    {
        *value = 0;
        return kDAE_NoSuchProcessType;
    }
    return processType->Gestalt(selector, value);
}

// The type '????' stands for the plug-in itself.
ComponentResult CProcessGroup::GetProcessTypeName(OSType type, SInt32 maxLen, char* out)
{
    if (type == FourCC("????"))
        return GetPlugInName(reinterpret_cast<unsigned char*>(out), maxLen);
    return GetProcessType(type).GetProcessTypeName(maxLen, out);
}

ComponentResult CProcessGroup::GetDSPCoreTypeList(OSType type, SInt32* count, SInt32* list)
{
    return GetProcessType(type).GetDSPCoreTypeList(count, list);
}

ComponentResult CProcessGroup::GetStemFormats(OSType type, SInt32* input, SInt32* output, SInt32* third)
{
    return GetProcessType(type).GetStemFormats(input, output, third);
}

ComponentResult CProcessGroup::GetXMLPageTableForType(OSType type, OSType controllerType, char* out, SInt32 maxLen)
{
    return GetProcessType(type).GetXMLPageTableForType(controllerType, out, maxLen);
}

ComponentResult CProcessGroup::GetXMLPageTableSizeForType(OSType type, OSType controllerType, SInt32* size)
{
    return GetProcessType(type).GetXMLPageTableSizeForType(controllerType, size);
}

ComponentResult CProcessGroup::GetNumAudioInputs(OSType type, SInt32 processIndex, SInt16* count)
{
    return GetProcessType(type).GetNumAudioInputs(processIndex, count);
}

ComponentResult CProcessGroup::GetNumAudioOutputs(OSType type, SInt32 processIndex, SInt16* count)
{
    return GetProcessType(type).GetNumAudioOutputs(processIndex, count);
}

ComponentResult CProcessGroup::DoSetCursor(OSType type, SInt32 processIndex, EventRecord* event)
{
    return GetProcessType(type).DoSetCursor(processIndex, event);
}

ComponentResult CProcessGroup::GetChunk(OSType type, SInt32 processIndex, OSType chunkID, SFicPlugInChunk* chunk)
{
    return GetProcessType(type).GetChunk(processIndex, chunkID, chunk);
}

ComponentResult CProcessGroup::SetChunk(OSType type, SInt32 processIndex, OSType chunkID,
                                        const SFicPlugInChunk* chunk)
{
    return GetProcessType(type).SetChunk(processIndex, chunkID, chunk);
}

ComponentResult CProcessGroup::CompareActiveChunk(OSType type, SInt32 processIndex, const SFicPlugInChunk* chunk,
                                                  Boolean* same)
{
    return GetProcessType(type).CompareActiveChunk(processIndex, chunk, same);
}

// A type without a text for the stereo-mode question still names its two-by-two variant.
ComponentResult CProcessGroup::GetPlugInString(OSType type, SInt32 processIndex, SInt32 selector,
                                               unsigned char* out)
{
    constexpr SInt32 kStereoModeSelector = 2;
    static constexpr char kStereoMode[] = "stereo mode";
    CProcessType& processType = GetProcessType(type);
    const ComponentResult result = processType.GetPlugInString(processIndex, selector, out);
    SInt16 inputs = 0;
    SInt16 outputs = 0;
    if (result == 0 || selector != kStereoModeSelector || processType.GetNumAudioInputs(0, &inputs) != 0 ||
        processType.GetNumAudioOutputs(0, &outputs) != 0 || inputs != 2 || outputs != 2)
        return result;
    out[0] = sizeof(kStereoMode) - 1;
    std::copy(kStereoMode, kStereoMode + out[0], out + 1);
    return 0;
}

// ---- Host questions this library has nothing to add to, once the process is found

namespace
{
template <typename Out>
ComponentResult AnswerFor(const CProcess&, Out* out, Out value)
{
    *out = value;
    return 0;
}
} // namespace

ComponentResult CProcessGroup::GetDriverRefNumOfInput(OSType type, SInt32 processIndex, SInt32, SInt32* refNum)
{
    return RouteToProcess(type, processIndex,
                          [&](CProcess& process) { return AnswerFor(process, refNum, process.GetDriverRefNum()); });
}

ComponentResult CProcessGroup::GetDriverRefNumOfOutput(OSType type, SInt32 processIndex, SInt32, SInt32* refNum)
{
    return RouteToProcess(type, processIndex,
                          [&](CProcess& process) { return AnswerFor(process, refNum, process.GetDriverRefNum()); });
}

ComponentResult CProcessGroup::GetPortOnHardwareIndex(OSType type, SInt32 processIndex, SInt32,
                                                      SInt32* hardwareIndex)
{
    return RouteToProcess(type, processIndex,
                          [&](CProcess& process) { return AnswerFor(process, hardwareIndex, SInt32(0)); });
}

ComponentResult CProcessGroup::DisableAutomation(OSType type, SInt32 processIndex, Boolean)
{
    return RouteToProcess(type, processIndex, [](CProcess&) { return ComponentResult(0); });
}

ComponentResult CProcessGroup::SetSourceRegionList(OSType type, SInt32 processIndex, const SRegionList*)
{
    return RouteToProcess(type, processIndex, [](CProcess&) { return ComponentResult(0); });
}

ComponentResult CProcessGroup::SetDestRegionList(OSType type, SInt32 processIndex, const SRegionList*)
{
    return RouteToProcess(type, processIndex, [](CProcess&) { return ComponentResult(0); });
}

ComponentResult CProcessGroup::GetFirstPageForCategory(OSType type, SInt32 processIndex, OSType, SInt32* page)
{
    return RouteToProcess(type, processIndex, [&](CProcess& process) { return AnswerFor(process, page, SInt32(0)); });
}

ComponentResult CProcessGroup::GetIsBypassableByCategory(OSType type, SInt32 processIndex, OSType category,
                                                         Boolean* bypassable)
{
    return RouteToProcess(type, processIndex, [&](CProcess& process) {
        SInt32 control = 0;
        const ComponentResult result = process.GetBypassControlByCategory(category, &control);
        *bypassable = control != 0;
        return result;
    });
}
