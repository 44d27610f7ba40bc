#pragma once
// The adapter process of the real-time types: the library's render worker hands each host block
// to RenderAudio on the engine's real-time thread.

#include "CEffectProcessRTAS.h"
#include "CPTAdapterProcess.h"

class CPTAdapterProcessRTAS : public CPTAdapterProcess, public CEffectProcessRTAS
{
public:
    static constexpr SInt32 kMaxSidechainChannels = 8;

    explicit CPTAdapterProcessRTAS(SInt32 channelMode);

    void EffectInit() override;
    ComponentResult UpdateControlValue(SInt32 index, SInt32 value) override;
    // Real-time thread: no allocation, no lock.
    void RenderAudio(float** inputs, float** outputs, SInt32 numSamples) override;

private:
    bool HasEveryBuffer(float* const* inputs, SInt32 numInputs, float* const* outputs) const;
};
