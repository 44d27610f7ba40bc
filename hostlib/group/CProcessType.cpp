#include "CProcessType.h"

#include <algorithm>

#include "CDAEError.h"
#include "DAEErrorCodes.h"
#include "FirstFailure.h"
#include "HostStrings.h"

CProcessType::CProcessType(SInt32 plugInKind)
    : fSampleRate(CurrentGroupTiming().fSampleRate),
      fPlugInKind(plugInKind),
      fFrameRate(CurrentGroupTiming().fFrameRate),
      fFrameOffset(CurrentGroupTiming().fFrameOffset)
{
}

CProcessType::~CProcessType()
{
    while (!fProcesses.empty())
    {
        CProcess* process = fProcesses.back();
        fProcesses.pop_back();
        DeleteProcess(process);
    }
}

void CProcessType::DeleteProcess(CProcess* process)
{
    process->Free();
    delete process;
}

ComponentResult CProcessType::Initialize()
{
    return 0;
}

bool CProcessType::EnablePlugInType(SInt32 kind)
{
    if (fPlugInKind != kind || fEnabled != 0)
        return false;
    fEnabled = 1;
    return true;
}

CProcess* CProcessType::GetProcessFromIndex(SInt32 processIndex) const
{
    if (processIndex <= 0)
        return nullptr;
    const auto found = std::find_if(fProcesses.begin(), fProcesses.end(), [processIndex](const CProcess* process) {
        return process->GetProcessIndex() == processIndex;
    });
    return found != fProcesses.end() ? *found : nullptr;
}

SInt16 CProcessType::SmallestFreeProcessIndex() const
{
    SInt16 index = 1;
    while (GetProcessFromIndex(index) != nullptr)
        ++index;
    return index;
}

ComponentResult CProcessType::InstantiateProcess(SInt32* processIndex)
{
    SInt32 numTables = 0;
    ThrowOnErr(GetPageTableList(kControllerTypePcTL, &numTables));
    CProcess* process = CreateCDSPProcess();
    if (process == nullptr)
        return kDAE_NilObject;
    const SInt16 index = SmallestFreeProcessIndex();
    try
    {
        fProcesses.push_back(process);
    }
    catch (...)
    {
        delete process;
        throw;
    }
    try
    {
        process->SetProcessType(this);
        process->SetProcessTypeIndex(fTypeIndex);
        process->SetProcessIndex(index);
        ThrowOnErr(process->Initialize());
        process->SetSampleRate(fSampleRate);
        process->SetDitherBits(fDitherBits);
        ThrowOnErr(ProcessInstantiated(*process));
    }
    catch (...)
    {
        FreeProcess(index);
        throw;
    }
    *processIndex = index;
    return 0;
}

ComponentResult CProcessType::ProcessInstantiated(CProcess&)
{
    return 0;
}

ComponentResult CProcessType::FreeProcess(SInt32 processIndex)
{
    CProcess* process = GetProcessFromIndex(processIndex);
    if (process == nullptr)
        return kDAE_NoSuchProcess;
    fProcesses.erase(std::find(fProcesses.begin(), fProcesses.end(), process));
    DeleteProcess(process);
    return 0;
}

ComponentResult CProcessType::Gestalt(SInt32, SInt32* value)
{
    *value = 0;
    return 0;
}

ComponentResult CProcessType::GetProcessTypeFlags(SInt32* flags)
{
    *flags = 0;
    return 0;
}

ComponentResult CProcessType::IsIOProcessType(Boolean* isIO)
{
    *isIO = false;
    return 0;
}

ComponentResult CProcessType::GetNumAudioInputs(SInt32 processIndex, SInt16* count)
{
    return RouteToProcess(processIndex, [count](CProcess& process) { return process.GetNumAudioInputs(count); });
}

ComponentResult CProcessType::GetNumAudioOutputs(SInt32 processIndex, SInt16* count)
{
    return RouteToProcess(processIndex, [count](CProcess& process) { return process.GetNumAudioOutputs(count); });
}

ComponentResult CProcessType::DoSetCursor(SInt32 processIndex, EventRecord*)
{
    return GetProcessFromIndex(processIndex) != nullptr ? 0 : kDAE_NoSuchProcess;
}

ComponentResult CProcessType::GetStemFormats(SInt32* input, SInt32* output, SInt32* third)
{
    *input = *output = *third = -1;
    return 0;
}

ComponentResult CProcessType::GetDSPCoreTypeList(SInt32* count, SInt32*)
{
    *count = 0;
    return 0;
}

ComponentResult CProcessType::GetXMLPageTableForType(OSType, char* out, SInt32)
{
    *out = '\0';
    return 0;
}

ComponentResult CProcessType::GetXMLPageTableSizeForType(OSType, SInt32* size)
{
    *size = 0;
    return 0;
}

ComponentResult CProcessType::GetPageTableList(OSType, SInt32* numTables)
{
    *numTables = 0;
    return 0;
}

ComponentResult CProcessType::GetPageTableResourceName(unsigned char* out)
{
    out[0] = 0;
    return 0;
}

ComponentResult CProcessType::GetChunk(SInt32 processIndex, OSType chunkID, SFicPlugInChunk* chunk)
{
    return RouteToProcess(processIndex, [&](CProcess& process) { return process.GetChunk(chunkID, chunk); });
}

ComponentResult CProcessType::SetChunk(SInt32 processIndex, OSType chunkID, const SFicPlugInChunk* chunk)
{
    return RouteToProcess(processIndex, [&](CProcess& process) { return process.SetChunk(chunkID, chunk); });
}

ComponentResult CProcessType::CompareActiveChunk(SInt32 processIndex, const SFicPlugInChunk* chunk, Boolean* same)
{
    return RouteToProcess(processIndex,
                          [&](CProcess& process) { return process.CompareActiveChunk(chunk, same); });
}

ComponentResult CProcessType::GetPlugInString(SInt32 processIndex, SInt32 selector, unsigned char* out)
{
    return RouteToProcess(processIndex,
                          [&](CProcess& process) { return process.GetPlugInString(selector, out); });
}

ComponentResult CProcessType::SetSampleRate(SInt32 rate)
{
    fSampleRate = rate;
    return ForEachFirstFailure(fProcesses, [rate](CProcess& process) { return process.SetSampleRate(rate); });
}

ComponentResult CProcessType::SetDitherBits(SInt32 bits)
{
    fDitherBits = bits;
    return ForEachFirstFailure(fProcesses, [bits](CProcess& process) { return process.SetDitherBits(bits); });
}
