// The process's place in its type, its timing and its ports.

#include "CProcess.h"
#include "CProcessType.h"
#include "DAEErrorCodes.h"
#include "ProcessAnswers.h"

void CProcess::SetProcessType(CProcessType* type)
{
    fProcessType = type;
}

ComponentResult CProcess::DoIdle(const EventRecord*)
{
    DoTokenIdle();
    return 0;
}

ComponentResult CProcess::SetSampleRate(SInt32 rate)
{
    fSampleRate = rate;
    return 0;
}

ComponentResult CProcess::SetDitherBits(SInt32)
{
    return 0;
}

ComponentResult CProcess::SetBypass(Boolean)
{
    return 0;
}

ComponentResult CProcess::SetTimeCodeInfo(const STimeCodeInfo* info)
{
    fFrameRate = info->fFrameRate;
    fFrameOffset = info->fFrameOffset;
    return 0;
}

Byte CProcess::GetFrameRate() const
{
    return fFrameRate;
}

SInt32 CProcess::GetFrameOffset() const
{
    return fFrameOffset;
}

void CProcess::SetProcessTypeIndex(SInt16 index)
{
    fProcessTypeIndex = index;
}

SInt16 CProcess::GetProcessTypeIndex() const
{
    return fProcessTypeIndex;
}

void CProcess::SetProcessIndex(SInt16 index)
{
    fProcessIndex = index;
}

SInt16 CProcess::GetProcessIndex() const
{
    return fProcessIndex;
}

void CProcess::SetDriverRefNum(SInt32 refNum)
{
    fDriverRefNum = refNum;
}

SInt32 CProcess::GetDriverRefNum() const
{
    return fDriverRefNum;
}

void CProcess::SetHardwareRefNum(SInt32 refNum)
{
    fHardwareRefNum = refNum;
}

SInt32 CProcess::GetHardwareRefNum() const
{
    return fHardwareRefNum;
}

// ---- Ports

ComponentResult CProcess::SetNumAudioInputs(SInt16 count)
{
    if (!WeHaveVariableNumInputs())
        return kDAE_InputCountFixed;
    fNumAudioInputs = count;
    return 0;
}

ComponentResult CProcess::SetNumAudioOutputs(SInt16 count)
{
    if (!WeHaveVariableNumOutputs())
        return kDAE_OutputCountFixed;
    fNumAudioOutputs = count;
    return 0;
}

bool CProcess::WeHaveVariableNumInputs()
{
    return false;
}

bool CProcess::WeHaveVariableNumOutputs()
{
    return false;
}

ComponentResult CProcess::IsInputPortConnected(SInt32, Boolean* connected)
{
    return Answer(connected, true);
}

ComponentResult CProcess::CanOutputPortConnect(SInt32, Boolean* canConnect)
{
    return Answer(canConnect, false);
}

ComponentResult CProcess::IsOutputPortConnected(SInt32, Boolean* connected)
{
    return Answer(connected, false);
}

ComponentResult CProcess::ConnectInput(SInt32, HostConnectionRef)
{
    return 0;
}

ComponentResult CProcess::ConnectOutput(SInt32, HostConnectionRef)
{
    return 0;
}

ComponentResult CProcess::DisconnectInput(SInt32)
{
    return 0;
}

ComponentResult CProcess::DisconnectOutput(SInt32)
{
    return 0;
}

ComponentResult CProcess::GetConnectionFormat(SInt32, Boolean, SConnectionFormat* format)
{
    *format = {};
    return 0;
}

ComponentResult CProcess::SetConnectionFormat(SInt32, Boolean, const SConnectionFormat*)
{
    return 0;
}

ComponentResult CProcess::GetNumParamFormats(SInt32, Boolean, SInt32* count)
{
    return Answer(count, 0);
}

ComponentResult CProcess::GetIndexParamFormat(SInt32, Boolean, SInt32, SConnectionFormat* format)
{
    *format = {};
    return 0;
}

ComponentResult CProcess::GetPageTableList(OSType controllerType, SInt32* numTables)
{
    if (fProcessType == nullptr)
        return Answer(numTables, 0);
    return fProcessType->GetPageTableList(controllerType, numTables);
}
