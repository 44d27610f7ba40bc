#include "CAdapterTestGroup.h"

#include <memory>

#include "CEffectType.h"
#include "CPTAdapterProcessAS.h"
#include "CPTAdapterProcessRTAS.h"
#include "QVEffect.h"

CProcessGroup* CProcessGroup::CreateProcessGroup()
{
    return new CAdapterTestGroup;
}

namespace
{
CEffectProcess* NewMonoProcess()
{
    return new CPTAdapterProcessRTAS(QVEffect::kChannelModeMono);
}

CEffectProcess* NewStereoProcess()
{
    return new CPTAdapterProcessRTAS(QVEffect::kChannelModeStereo);
}

CEffectProcess* NewOfflineProcess()
{
    return new CPTAdapterProcessAS(QVEffect::kChannelModeAny);
}

template <typename Type>
Type* NewType(OSType id, CEffectType::ProcessCreator creator)
{
    auto* type = new Type(id, kAdapterTestProduct, 0);
    type->DefineTypeNames("Kelvaro");
    type->AttachEffectProcessCreator(creator, nullptr);
    return type;
}
} // namespace

CAdapterTestGroup::CAdapterTestGroup()
{
    DefineManufacturerNamesAndID("Auvenor", kAdapterTestMaker);
    DefinePlugInNamesAndVersion("Kelvaro", 1);
}

void CAdapterTestGroup::CreateEffectTypes()
{
    CEffectType* mono = NewType<CEffectTypeRTAS>(kMonoType, NewMonoProcess);
    mono->DefineStemFormats(ePlugIn_StemFormat_Mono, ePlugIn_StemFormat_Mono, ePlugIn_StemFormat_Mono);
    AddEffectType(mono);
    const std::unique_ptr<QVEffect> description(createQVEffect(QVEffect::kPluginTypeQuery, QVEffect::kChannelModeAny));
    const bool sidechain = (description->getFlags() & QVEffect::kEffectSidechain) != 0;
    CEffectType* stereo = NewType<CEffectTypeRTAS>(kStereoType, NewStereoProcess);
    if (sidechain)
        stereo->AddGestalt(kGestaltSideChain);
    stereo->DefineStemFormats(ePlugIn_StemFormat_Stereo, ePlugIn_StemFormat_Stereo, ePlugIn_StemFormat_Mono);
    AddEffectType(stereo);
    CEffectType* offline = NewType<CEffectTypeAS>(kOfflineType, NewOfflineProcess);
    if (sidechain)
        offline->AddGestalt(kGestaltSideChain);
    offline->DefineGenericNumInputsAndOutputs(2, 2);
    AddEffectType(offline);
}
