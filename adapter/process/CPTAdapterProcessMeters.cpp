// Bypass, latency, side chain, meters and clip lights, answered from the effect.

#include "AdapterValues.h"
#include "CPTAdapterProcess.h"
#include "QVEffect.h"

namespace
{
constexpr SInt32 kVerticalMeterType = 3;
} // namespace

// ---- Bypass, latency, side chain

ComponentResult CPTAdapterProcess::GetBypass(Boolean* bypassed)
{
    if (masterBypassIndex == 0)
        return 0;
    SInt32 value = 0;
    const ComponentResult result = GetControlValue(masterBypassIndex, &value);
    *bypassed = IsBypassOnValue(value) ? 1 : 0;
    return result;
}

ComponentResult CPTAdapterProcess::SetBypass(Boolean bypassed)
{
    if (masterBypassIndex == 0)
        return 0;
    return UpdateControlValue(masterBypassIndex, bypassed != 0 ? kBypassOnValue : kBypassOffValue);
}

ComponentResult CPTAdapterProcess::GetDelaySamplesLong(SInt32* samples)
{
    *samples = effect->getLatency();
    return 0;
}

void CPTAdapterProcess::ConnectSidechain()
{
    effect->setSidechain(true);
    CEffectProcess::ConnectSidechain();
}

void CPTAdapterProcess::DisconnectSidechain()
{
    effect->setSidechain(false);
    CEffectProcess::DisconnectSidechain();
}

// ---- Clip lights

ComponentResult CPTAdapterProcess::GetClipState(Boolean* clipped)
{
    UpdateMetersFromDSPorRTAS();
    *clipped = 0;
    for (SInt32 clip = 0; clip < effect->getClipCount() && *clipped == 0; ++clip)
        *clipped = effect->getClip(clip) != 0 ? 1 : 0;
    return 0;
}

ComponentResult CPTAdapterProcess::ClearClipState()
{
    effect->resetClips();
    return 0;
}

// ---- Meters

ComponentResult CPTAdapterProcess::GetNumMeters(SInt32* numMeters)
{
    *numMeters = effect->getMeterCount();
    return 0;
}

ComponentResult CPTAdapterProcess::GetMeterVal(SInt32 index, SInt32* value)
{
    *value = SInt32(ToHostMeterValue(effect->getMeterLinear(index - 1)));
    return 0;
}

ComponentResult CPTAdapterProcess::GetMeterOrientation(SInt32 index, SInt32* orientation)
{
    *orientation = effect->getMeterType(index - 1) == kVerticalMeterType ? 1 : 0;
    return 0;
}

ComponentResult CPTAdapterProcess::GetNumMetersOfType(SInt32 meterType, SInt32* count)
{
    *count = 0;
    const std::optional<SInt32> effectType = EffectMeterTypeOf(meterType);
    if (!effectType)
        return 0;
    for (SInt32 meter = 0; meter < effect->getMeterCount(); ++meter)
        *count += effect->getMeterType(meter) == *effectType ? 1 : 0;
    return 0;
}

ComponentResult CPTAdapterProcess::GetMeterIndexByType(SInt32 meterType, SInt32 nth, SInt32* index)
{
    *index = 0;
    const std::optional<SInt32> effectType = EffectMeterTypeOf(meterType);
    if (!effectType)
        return 0;
    for (SInt32 meter = 0, seen = 0; meter < effect->getMeterCount(); ++meter)
        if (effect->getMeterType(meter) == *effectType && ++seen == nth)
        {
            *index = meter + 1;
            return 0;
        }
    return 0;
}
