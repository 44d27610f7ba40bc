#include "CEffectProcessAS.h"

#include "CDAEError.h"
#include "ConnectionFormats.h"
#include "DAEErrorCodes.h"
#include "ProcessAnswers.h"

CEffectProcessAS::CEffectProcessAS()
{
    fInputConnections.Allocate(kMaxConnections);
    fOutputConnections.Allocate(kMaxConnections);
}
CEffectProcessAS::~CEffectProcessAS() = default;

ComponentResult CEffectProcessAS::Initialize()
{
    ThrowOnErr(CEffectProcess::Initialize());
    ASInit();
    return 0;
}

void CEffectProcessAS::ASInit() {}

SInt32 CEffectProcessAS::AnalyzeAudio(bool)
{
    return 0;
}

ComponentResult CEffectProcessAS::ModifyRegionName(char*)
{
    return kDAE_NotProvided;
}

ComponentResult CEffectProcessAS::InitOutputBounds()
{
    const SASConnection* first = GetInputConnection(0);
    if (first == nullptr)
        return 0;
    for (SInt32 index = 0; index < kMaxConnections; ++index)
        if (SASConnection* output = GetOutputConnection(index))
        {
            output->fBoundsStart = first->fBoundsStart;
            output->fBoundsEnd = first->fBoundsEnd;
        }
    return 0;
}

ComponentResult CEffectProcessAS::ProcessData(SInt32* samples)
{
    *samples += ProcessAudio(IsBypassed());
    return 0;
}

ComponentResult CEffectProcessAS::AnalyzeData(SInt32* samples)
{
    *samples += AnalyzeAudio(IsBypassed());
    return 0;
}

ComponentResult CEffectProcessAS::GetPlugInString(SInt32 selector, unsigned char* out)
{
    if (selector != kRegionNameString)
        return CEffectProcess::GetPlugInString(selector, out);
    return ModifyPascalText(out, [this](char* name) { return ModifyRegionName(name); });
}
