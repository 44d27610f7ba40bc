#include "CEffectProcessRTAS.h"

#include "CDAEError.h"
#include "ConnectionFormats.h"
#include "DAECalls.h"
#include "DAEErrorCodes.h"
#include "ProcessAnswers.h"

namespace
{
constexpr SInt32 kFixedBlockLength = 32;
} // namespace

CEffectProcessRTAS::CEffectProcessRTAS() = default;

CEffectProcessRTAS::~CEffectProcessRTAS()
{
    fHostPlugIn.reset();
}

ComponentResult CEffectProcessRTAS::Initialize()
{
    ThrowOnErr(CEffectProcess::Initialize());
    InitializeConnectionArrays();
    return 0;
}

void CEffectProcessRTAS::SetMaxRTASConnections(SInt32 maximum)
{
    if (!fConnectionsAllocated)
        fMaxConnections = maximum;
}

void CEffectProcessRTAS::InitializeConnectionArrays()
{
    const size_t count = size_t(fMaxConnections);
    fInputBuffers = std::make_unique<float*[]>(count);
    fOutputBuffers = std::make_unique<float*[]>(count);
    fInputConnections.Allocate(fMaxConnections);
    fOutputConnections.Allocate(fMaxConnections);
    fConnectionsAllocated = true;
}

void CEffectProcessRTAS::FreeConnectionArrays()
{
    fInputBuffers.reset();
    fOutputBuffers.reset();
    fInputConnections.Free();
    fOutputConnections.Free();
    fConnectionsAllocated = false;
}

ComponentResult CEffectProcessRTAS::Free()
{
    // The engine must stop calling the worker before the tables it reads go.
    fHostPlugIn.reset();
    FreeConnectionArrays();
    return CProcess::Free();
}

// ---- Connection formats

// ---- Controls, strings, delay

void CEffectProcessRTAS::ModifyRegionName(char*) {}

ComponentResult CEffectProcessRTAS::GetPlugInString(SInt32 selector, unsigned char* out)
{
    if (selector != kRegionNameString)
        return CEffectProcess::GetPlugInString(selector, out);
    return ModifyPascalText(out, [this](char* name) {
        ModifyRegionName(name);
        return ComponentResult(0);
    });
}

// ---- Host plug-in object and rendering

ComponentResult CEffectProcessRTAS::CreateHostPlugIn(const SPlugInIDRecord& id)
{
    SInt32 variableQuantum = 0;
    const bool variableBlock =
        gDAE.FicGestalt(kFicGestaltVariableQuantum, &variableQuantum) == 0 && variableQuantum != 0;
    const SRTASInstanceDescriptor descriptor = {static_cast<CEffectProcessRTAS*>(this),
                                                fInputConnections.GetSlots(),
                                                fOutputConnections.GetSlots(),
                                                GetNumInputs(),
                                                GetNumOutputs(),
                                                GetSideChainInput(),
                                                variableBlock ? 1 : 0};
    try
    {
        fHostPlugIn = std::make_unique<CHostPlugIn>(id, descriptor, &RenderAudioWorker);
    }
    catch (const std::bad_alloc&)
    {
        return kDAE_OutOfMemory;
    }
    catch (const CDAEError& error)
    {
        return error.Code();
    }
    return 0;
}

SInt32 CEffectProcessRTAS::GetMaximumRTASQuantum()
{
    SInt32 variableQuantum = 0;
    if (gDAE.FicGestalt(kFicGestaltVariableQuantum, &variableQuantum) != 0 || variableQuantum == 0)
        return kFixedBlockLength;
    const SInt32 maximum = gDAE.FicGetMaximumRTASQuantum();
    return maximum > 0 ? maximum : kFixedBlockLength;
}

void CEffectProcessRTAS::RenderAudioWorker(SRTASInstanceBlock* block, SRTGlobals* globals)
{
    const SRTASInstanceDescriptor& descriptor = *block->fDescriptor;
    static_cast<CEffectProcessRTAS*>(descriptor.fProcess)->Render(descriptor, *globals);
}

// A block with a port that has no connection is not rendered: there is no buffer to give.
void CEffectProcessRTAS::Render(const SRTASInstanceDescriptor& descriptor, const SRTGlobals& globals)
{
    fInstanceDescriptor = &descriptor;
    fRTGlobals = &globals;
    const SInt32 numInputs = descriptor.fNumInputs + (descriptor.fSideChainInput != 0 ? 1 : 0);
    for (SInt32 index = 0; index < numInputs; ++index)
    {
        const SRTASConnection* connection = GetInputConnection(index);
        if (connection == nullptr)
            return;
        fInputBuffers[size_t(index)] = connection->fBuffer;
    }
    for (SInt32 index = 0; index < descriptor.fNumOutputs; ++index)
    {
        const SRTASConnection* connection = GetOutputConnection(index);
        if (connection == nullptr)
            return;
        fOutputBuffers[size_t(index)] = connection->fBuffer;
    }
    const SInt32 numSamples = descriptor.fVariableBlock != 0 ? globals.fBlockLength : kFixedBlockLength;
    try
    {
        RenderAudio(fInputBuffers.get(), fOutputBuffers.get(), numSamples);
    }
    catch (...)
    {
        return;
    }
    SetMetersUpdated(true);
}
