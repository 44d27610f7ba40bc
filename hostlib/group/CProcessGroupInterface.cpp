#include "CProcessGroupInterface.h"

#include <thread>

#include "CProcessGroup.h"

SInt32 CProcessGroupInterface::sCriticalSectionScope = 99;

SGroupTiming CurrentGroupTiming()
{
    return gProcessGroup != nullptr ? gProcessGroup->GetTiming() : SGroupTiming{};
}

CProcessGroupInterface::CProcessGroupInterface()
{
    sCriticalSectionScope = 99;
}

ComponentResult CProcessGroupInterface::Initialize()
{
    return 0;
}

SInt32 CProcessGroupInterface::EnterCriticalSection()
{
    return 0;
}

SInt32 CProcessGroupInterface::TryToEnterCriticalSection()
{
    return 0;
}

SInt32 CProcessGroupInterface::LeaveCriticalSection()
{
    return 0;
}

void CProcessGroupInterface::YieldCriticalSection()
{
    EnterCriticalSection();
    const SInt32 held = LeaveCriticalSection();
    for (SInt32 depth = held; depth > 0;)
        depth = LeaveCriticalSection();
    std::this_thread::yield();
    for (SInt32 depth = 0; depth < held; ++depth)
        EnterCriticalSection();
}

void CProcessGroupInterface::SetDispatcherCriticalSectionScope(SInt32 scope)
{
    sCriticalSectionScope = scope;
}

ComponentResult CProcessGroupInterface::SetTimeCodeInfo(const STimeCodeInfo* info)
{
    fTiming.fFrameRate = info->fFrameRate;
    fTiming.fFrameOffset = info->fFrameOffset;
    return 0;
}

ComponentResult CProcessGroupInterface::SetLocationTempo(SInt32, SInt32 tempo)
{
    fLocationTempo = tempo;
    return 0;
}

ComponentResult CProcessGroupInterface::GetDriverTypeList(SInt32* count, char** list)
{
    *count = 0;
    *list = nullptr;
    return 0;
}

ComponentResult CProcessGroupInterface::SetXCMDProc(HostCallback callback)
{
    fXCMDProc = callback;
    return 0;
}

ComponentResult CProcessGroupInterface::AllocateHardware(SInt32)
{
    return 0;
}

ComponentResult CProcessGroupInterface::FreeHardware(SInt32)
{
    return 0;
}

ComponentResult CProcessGroupInterface::SetCFicWidgetObject(void* widget)
{
    fWidgetObject = widget;
    return 0;
}

// ---- Unpacking

ComponentResult CProcessGroupInterface::GetControlNameOfLengthLessArgs(const SControlSpecifier* control, char* out,
                                                                       SInt32 maxLen, OSType controllerType,
                                                                       SInt16* result)
{
    return GetControlNameOfLength(control->fType, control->fProcessIndex, control->fControlIndex, out, maxLen,
                                  controllerType, result);
}

ComponentResult CProcessGroupInterface::MapControlValToStringLessArgs(const SControlSpecifier* control, SInt32 value,
                                                                      char* out, SInt32 maxLen)
{
    return MapControlValToString(control->fType, control->fProcessIndex, control->fControlIndex, value, out,
                                 maxLen);
}

ComponentResult CProcessGroupInterface::GetControlForPageLessArgs(const SProcessSpecifier* process,
                                                                  OSType controllerType, SInt32 page, SInt32 slot,
                                                                  SInt32* control)
{
    return GetControlForPage(process->fType, process->fProcessIndex, controllerType, page, slot, control);
}

ComponentResult CProcessGroupInterface::GetNumParamFormatsLessArgs(const SParamSpecifier* port, SInt32* count)
{
    return GetNumParamFormats(port->fType, port->fProcessIndex, port->fPort, port->fIsInput, count);
}

ComponentResult CProcessGroupInterface::GetIndexParamFormatLessArgs(const SParamSpecifier* port, SInt32 index,
                                                                    SConnectionFormat* format)
{
    return GetIndexParamFormat(port->fType, port->fProcessIndex, port->fPort, port->fIsInput, index, format);
}

ComponentResult CProcessGroupInterface::GetRelatedProcessTypeOfTypeLessArgs(SPlugInSpec* spec,
                                                                            const SStemSpecifier* wanted)
{
    return GetRelatedProcessTypeOfType(spec, wanted->fPlugInKind, wanted->fInputs, wanted->fOutputs,
                                       wanted->fInputStem, wanted->fOutputStem);
}
