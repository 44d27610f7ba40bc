#include "PTAdapterProcessFactories.h"

#include "CPTAdapterProcessAS.h"
#include "CPTAdapterProcessRTAS.h"
#include "QVEffect.h"

CEffectProcess* NewPTAdapterProcessRTASMono()
{
    return new CPTAdapterProcessRTAS(QVEffect::kChannelModeMono);
}

CEffectProcess* NewPTAdapterProcessRTASStereo()
{
    return new CPTAdapterProcessRTAS(QVEffect::kChannelModeStereo);
}

CEffectProcess* NewPTAdapterProcessASGeneric()
{
    return new CPTAdapterProcessAS(QVEffect::kChannelModeAny);
}
