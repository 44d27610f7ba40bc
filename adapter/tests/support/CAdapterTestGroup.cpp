#include "CAdapterTestGroup.h"

#include <memory>

#include "CEffectType.h"
#include "CPTAdapterView.h"
#include "PTAdapterProcessFactories.h"
#include "QVEffect.h"

CProcessGroup* CProcessGroup::CreateProcessGroup()
{
    return new CAdapterTestGroup;
}

namespace
{
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

ComponentResult CAdapterTestGroup::Initialize()
{
    const ComponentResult result = CEffectGroup::Initialize();
    AddPTAdapterViewKind();
    return result;
}

void CAdapterTestGroup::CreateEffectTypes()
{
    CEffectType* mono = NewType<CEffectTypeRTAS>(kMonoType, NewPTAdapterProcessRTASMono);
    mono->DefineStemFormats(ePlugIn_StemFormat_Mono, ePlugIn_StemFormat_Mono, ePlugIn_StemFormat_Mono);
    AddEffectType(mono);
    const std::unique_ptr<QVEffect> description(createQVEffect(QVEffect::kPluginTypeQuery, QVEffect::kChannelModeAny));
    const bool sidechain = (description->getFlags() & QVEffect::kEffectSidechain) != 0;
    CEffectType* stereo = NewType<CEffectTypeRTAS>(kStereoType, NewPTAdapterProcessRTASStereo);
    if (sidechain)
        stereo->AddGestalt(kGestaltSideChain);
    stereo->DefineStemFormats(ePlugIn_StemFormat_Stereo, ePlugIn_StemFormat_Stereo, ePlugIn_StemFormat_Mono);
    AddEffectType(stereo);
    CEffectType* offline = NewType<CEffectTypeAS>(kOfflineType, NewPTAdapterProcessASGeneric);
    if (sidechain)
        offline->AddGestalt(kGestaltSideChain);
    offline->DefineGenericNumInputsAndOutputs(2, 2);
    AddEffectType(offline);
}
