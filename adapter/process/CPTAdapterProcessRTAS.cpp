#include "CPTAdapterProcessRTAS.h"

#include <algorithm>

#include "QVEffect.h"

CPTAdapterProcessRTAS::CPTAdapterProcessRTAS(SInt32 channelMode)
    : CPTAdapterProcess(QVEffect::kPluginTypeRealTime, channelMode)
{
}

void CPTAdapterProcessRTAS::EffectInit()
{
    Effect().setSampleRateBlockSize(float(GetSampleRate()), GetMaximumRTASQuantum());
    CPTAdapterProcess::EffectInit();
}

// The effect applies its own bypass; the library's bypass flag is not used.
ComponentResult CPTAdapterProcessRTAS::UpdateControlValue(SInt32 index, SInt32 value)
{
    return CPTAdapterProcess::UpdateControlValue(index, value);
}

bool CPTAdapterProcessRTAS::HasEveryBuffer(float* const* inputs, SInt32 numInputs, float* const* outputs) const
{
    const auto missing = [](const float* buffer) { return buffer == nullptr; };
    return std::none_of(inputs, inputs + numInputs, missing) &&
           std::none_of(outputs, outputs + GetNumOutputs(), missing);
}

// With a side chain the effect takes its n main inputs followed by n copies of the side-chain
// input, which the host places right after all its main inputs. A block without a buffer for
// every channel is skipped, the outputs untouched.
void CPTAdapterProcessRTAS::RenderAudio(float** inputs, float** outputs, SInt32 numSamples)
{
    if (inputs == nullptr || outputs == nullptr || numSamples <= 0)
        return;
    QVEffect& effect = Effect();
    float* sidechainInputs[2 * kMaxSidechainChannels];
    float** effectInputs = inputs;
    SInt32 numEffectInputs = GetNumInputs();
    if ((effect.getFlags() & QVEffect::kEffectSidechain) != 0)
    {
        const SInt32 mainInputs = std::min(GetNumInputs(), kMaxSidechainChannels);
        std::copy(inputs, inputs + mainInputs, sidechainInputs);
        std::fill(sidechainInputs + mainInputs, sidechainInputs + 2 * mainInputs, inputs[GetNumInputs()]);
        effectInputs = sidechainInputs;
        numEffectInputs = 2 * mainInputs;
    }
    if (!HasEveryBuffer(effectInputs, numEffectInputs, outputs))
        return;
    if (effect.checkProcessFloat(effectInputs, outputs, numSamples))
        effect.processFloat(effectInputs, outputs, numSamples);
}
