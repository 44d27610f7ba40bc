// The real-time and offline effect types.

#include "CDAEError.h"
#include "CEffectGroup.h"
#include "CEffectProcessAS.h"
#include "CEffectProcessRTAS.h"
#include "CEffectType.h"
#include "DAEErrorCodes.h"

CEffectTypeRTAS::CEffectTypeRTAS(OSType plugInOSType, OSType productID, UInt32 categoryAnswer)
    : CEffectType(plugInOSType, productID, ePlugInKindRealTime, categoryAnswer)
{
}

void CEffectTypeRTAS::AddGestalt(SInt32 selector)
{
    CEffectType::AddGestalt(selector);
    if (selector == 41)
        CEffectType::AddGestalt(38);
}

ComponentResult CEffectTypeRTAS::ProcessInstantiated(CProcess& process)
{
    auto* realTime = dynamic_cast<CEffectProcessRTAS*>(&process);
    if (realTime == nullptr)
        return kDAE_NoEffectType;
    SPlugInIDRecord id = {};
    id.fProcessIndex = process.GetProcessIndex();
    if (auto* group = dynamic_cast<CEffectGroup*>(GetProcessGroup()))
    {
        ThrowOnErr(group->GetProcessTypeIDs(GetTypeIndex(), &id.fManufacturerID, &id.fProductID, &id.fTypeID));
        id.fMultiShellContext = group->GetMultiShellContext();
    }
    return realTime->CreateHostPlugIn(id);
}

CEffectTypeAS::CEffectTypeAS(OSType plugInOSType, OSType productID, UInt32 categoryAnswer)
    : CEffectType(plugInOSType, productID, ePlugInKindOffline, categoryAnswer)
{
}

ComponentResult CEffectTypeAS::ProcessInstantiated(CProcess& process)
{
    return dynamic_cast<CEffectProcessAS*>(&process) != nullptr ? 0 : kDAE_NoEffectType;
}
