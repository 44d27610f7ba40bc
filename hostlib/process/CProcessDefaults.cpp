// The defaults of the host operations a process need not provide: each answers that nothing
// was done, with its out-values 0 or false, unless it keeps what the host gave it.

#include "CProcess.h"
#include "DAEErrorCodes.h"
#include "ProcessAnswers.h"

// ---- Automation and pages

ComponentResult CProcess::SendRampRegion(SInt32, const SRampRegion*)
{
    return 0;
}

ComponentResult CProcess::GetAutoEventList(SInt32, SAutoEventList** list)
{
    return Answer(list, nullptr);
}

ComponentResult CProcess::GetAutoEventTag(SInt32, void** tag)
{
    return Answer(tag, nullptr);
}

ComponentResult CProcess::GetNumControlPages(OSType, SInt32* numPages)
{
    return Answer(numPages, 0);
}

ComponentResult CProcess::GetControlForPage(OSType, SInt32, SInt32, SInt32* index)
{
    return Answer(index, 0);
}

ComponentResult CProcess::HasCustomizedPageTable(OSType, Boolean* customized)
{
    return Answer(customized, false);
}

ComponentResult CProcess::BoundAutoSegment(SInt32, SInt32* start, SInt32* end)
{
    *start = 0;
    return Answer(end, 0);
}

ComponentResult CProcess::Prime(Boolean)
{
    return 0;
}

// ---- Bypass, mute, meters

ComponentResult CProcess::GetBypass(Boolean* bypassed)
{
    return Answer(bypassed, false);
}

ComponentResult CProcess::SetMute(Boolean)
{
    return 0;
}

ComponentResult CProcess::GetMute(Boolean* muted)
{
    return Answer(muted, false);
}

ComponentResult CProcess::GetBypassControlByCategory(OSType, SInt32* index)
{
    return Answer(index, 0);
}

ComponentResult CProcess::GetNumMeters(SInt32* numMeters)
{
    return Answer(numMeters, 0);
}

ComponentResult CProcess::GetMeterVal(SInt32, SInt32* value)
{
    return Answer(value, 0);
}

ComponentResult CProcess::GetMeterName(SInt32, char* out, SInt32)
{
    return Answer(out, '\0');
}

ComponentResult CProcess::GetMeterOrientation(SInt32, SInt32* orientation)
{
    return Answer(orientation, 0);
}

ComponentResult CProcess::GetNumMetersOfType(SInt32, SInt32* count)
{
    return Answer(count, 0);
}

ComponentResult CProcess::GetMeterIndexByType(SInt32, SInt32, SInt32* index)
{
    return Answer(index, 0);
}

ComponentResult CProcess::GetClipState(Boolean* clipped)
{
    return Answer(clipped, false);
}

ComponentResult CProcess::ClearClipState()
{
    return 0;
}

ComponentResult CProcess::GetMetersFromDSPorRTAS(SInt32*, bool*)
{
    return 0;
}

void CProcess::SetClipped(bool clipped)
{
    fClipped = clipped;
}

// ---- Drag and drop

ComponentResult CProcess::DrawDragAndDropHilight(Boolean)
{
    return 0;
}

ComponentResult CProcess::BeginDragData()
{
    return 0;
}

ComponentResult CProcess::RegisterDragData(const SDragData*)
{
    return 0;
}

ComponentResult CProcess::CompleteDragData()
{
    return 0;
}

ComponentResult CProcess::DropData(Point, Boolean* accepted)
{
    return Answer(accepted, false);
}

// ---- Chunks: a process offers none

ComponentResult CProcess::GetNumChunks(SInt32* numChunks)
{
    return Answer(numChunks, 0);
}

ComponentResult CProcess::GetIndexedChunkID(SInt32, OSType* chunkID)
{
    return Answer(chunkID, kNoChunkID, kDAE_NoSuchChunk);
}

ComponentResult CProcess::DescribeChunk(OSType, unsigned char*)
{
    return kDAE_NoSuchChunk;
}

ComponentResult CProcess::GetChunkSize(OSType, SInt32*)
{
    return kDAE_NoSuchChunk;
}

ComponentResult CProcess::GetChunk(OSType, SFicPlugInChunk*)
{
    return kDAE_NoSuchChunk;
}

ComponentResult CProcess::SetChunk(OSType, const SFicPlugInChunk*)
{
    return kDAE_NoSuchChunk;
}

ComponentResult CProcess::CompareActiveChunk(const SFicPlugInChunk*, Boolean* same)
{
    return Answer(same, false);
}

ComponentResult CProcess::DoCustomPlugInSettingsFile(SInt32, const SFilePathList*)
{
    return 0;
}

ComponentResult CProcess::SpecifyLoadPlugInSettingsFileCallback(HostCallback, void*)
{
    return 0;
}

// ---- Delays

ComponentResult CProcess::GetDelaySamples(SInt16* samples)
{
    return Answer(samples, 0);
}

ComponentResult CProcess::GetDelaySamplesLong(SInt32* samples)
{
    SInt16 delay = 0;
    const ComponentResult result = GetDelaySamples(&delay);
    return Answer(samples, delay, result);
}

ComponentResult CProcess::SetInputDelaySamples(SInt32)
{
    return 0;
}

ComponentResult CProcess::GetInputDelaySamples(SInt32* samples)
{
    return Answer(samples, 0);
}

ComponentResult CProcess::GetMaxDelaySamples(SInt32* samples)
{
    return Answer(samples, 0);
}

ComponentResult CProcess::SetInputMonitorDelaySamples(SInt32)
{
    return 0;
}

ComponentResult CProcess::GetInputMonitorDelaySamples(SInt32* samples)
{
    return Answer(samples, 0);
}

ComponentResult CProcess::UseInputMonitorDelay(Boolean)
{
    return 0;
}

// ---- Offline processing

ComponentResult CProcess::InitOutputBounds()
{
    return kDAE_NotProvided;
}

ComponentResult CProcess::SetOutputBounds(SInt32, SInt32, SInt32)
{
    return 0;
}

ComponentResult CProcess::TranslateOutputSampleNum(SInt32 sample, SInt32* translated)
{
    return Answer(translated, sample);
}

ComponentResult CProcess::AnalyzeData(SInt32*)
{
    return 0;
}

ComponentResult CProcess::ProcessData(SInt32*)
{
    return 0;
}

ComponentResult CProcess::ReleaseMIDI()
{
    return 0;
}

// ---- Host values kept by the process

ComponentResult CProcess::GetPlugInString(SInt32, unsigned char*)
{
    return kDAE_NotProvided;
}

ComponentResult CProcess::SetLocationTempo(SInt32, SInt32 tempo)
{
    fLocationTempo = tempo;
    return 0;
}

ComponentResult CProcess::SetPreviewState(SInt32 state)
{
    fPreviewState = state;
    return 0;
}

ComponentResult CProcess::GetParentPlugInSpec(SPlugInSpec* spec)
{
    return Answer(spec, fParentPlugInSpec);
}

ComponentResult CProcess::SetParentPlugInSpec(const SPlugInSpec* spec)
{
    fParentPlugInSpec = *spec;
    return 0;
}

ComponentResult CProcess::GetInputPortForChildPort(SInt32 childPort, SInt32* port)
{
    return Answer(port, childPort);
}

ComponentResult CProcess::GetOutputPortForChildPort(SInt32 childPort, SInt32* port)
{
    return Answer(port, childPort);
}

ComponentResult CProcess::SetUseDoublePrecisionIO(Boolean)
{
    return 0;
}

ComponentResult CProcess::GetNumAuxOutputStems(SInt32* numStems)
{
    return Answer(numStems, 0);
}

ComponentResult CProcess::GetAuxOutputStemInfo(SInt32, SInt32* format, char* name)
{
    *name = '\0';
    return Answer(format, 0);
}

ComponentResult CProcess::GetIACFUnknown(void** unknown)
{
    return Answer(unknown, nullptr);
}

ComponentResult CProcess::SpecifyFindAndRelinkCallback(HostCallback, void*)
{
    return 0;
}

ComponentResult CProcess::ReturnFindAndRelinkFiles(const SFilePathList*)
{
    return 0;
}

ComponentResult CProcess::SetFilePathsForSessionCopy(const SFilePathList*)
{
    return 0;
}

ComponentResult CProcess::ResetPlugInState()
{
    return 0;
}
