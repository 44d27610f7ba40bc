#include "CPTAdapterGroup.h"

#include <algorithm>

#include "AdapterCategories.h"
#include "CEffectType.h"
#include "CPTAdapterView.h"
#include "PTAdapterProcessFactories.h"
#include "QVEffect.h"

namespace
{
constexpr const char* kManufacturerNames = "Auvenor";
constexpr const char* kPlugInNames = "Kelvaro";
constexpr UInt32 kPlugInVersion = 1;
constexpr SInt32 kGroupGestalts[] = {14, 55, 25};

constexpr SInt32 kSampleRateSupport = 6;
constexpr SInt32 kGestaltMasterBypass = 8;
constexpr SInt32 kGestaltRealTime = 48;
constexpr SInt32 kGestaltClipLights = 39;
constexpr SInt32 kGestaltMono = 30;
constexpr SInt32 kOfflineGestalts[] = {7, 61};

template <typename Type>
std::unique_ptr<CEffectType> NewNamedType(OSType id, uint32_t hostCategories)
{
    auto type = std::make_unique<Type>(id, kPTAdapterProductID, hostCategories);
    type->DefineTypeNames(kPlugInNames);
    return type;
}
} // namespace

// The library leaves the type definitions to the plug-in's group.
void CEffectGroup::CreateProcessTypeObjects()
{
    CreateEffectTypes();
}

CPTAdapterGroup::CPTAdapterGroup()
    : queryEffect(createQVEffect(QVEffect::kPluginTypeQuery, QVEffect::kChannelModeAny))
{
    DefineManufacturerNamesAndID(kManufacturerNames, kPTAdapterManufacturerID);
    DefinePlugInNamesAndVersion(kPlugInNames, kPlugInVersion);
    for (SInt32 gestalt : kGroupGestalts)
        AddGestalt(gestalt);
}

CPTAdapterGroup::~CPTAdapterGroup() = default;

ComponentResult CPTAdapterGroup::Initialize()
{
    const ComponentResult result = CEffectGroup::Initialize();
    AddPTAdapterViewKind();
    return result;
}

void CPTAdapterGroup::CreateEffectTypes()
{
    const uint32_t hostCategories = HostCategoriesOfEffect(queryEffect->getCategories());
    if (queryEffect->checkChannelConfig(1, 1))
        AddRealTimeType({kPTAdapterMonoType, ePlugIn_StemFormat_Mono, NewPTAdapterProcessRTASMono}, hostCategories);
    if (!HasFlag(QVEffect::kEffectNoStereoType) && queryEffect->checkChannelConfig(2, 2))
        AddRealTimeType({kPTAdapterStereoType, ePlugIn_StemFormat_Stereo, NewPTAdapterProcessRTASStereo},
                        hostCategories);
    if (!HasFlag(QVEffect::kEffectNoOfflineType))
        AddOfflineType(hostCategories);
}

void CPTAdapterGroup::AddRealTimeType(const SRealTimeType& kind, uint32_t hostCategories)
{
    std::unique_ptr<CEffectType> type = NewNamedType<CEffectTypeRTAS>(kind.id, hostCategories);
    type->DefineRelationID(kPTAdapterProductID);
    type->DefineSampleRateSupport(kSampleRateSupport);
    AddCommonGestalts(*type);
    type->AddGestalt(kGestaltRealTime);
    if (queryEffect->getClipCount() > 0)
        type->AddGestalt(kGestaltClipLights);
    if (kind.stemFormat == ePlugIn_StemFormat_Mono && HasFlag(QVEffect::kEffectMonoGestalt30))
        type->AddGestalt(kGestaltMono);
    type->DefineStemFormats(kind.stemFormat, kind.stemFormat, ePlugIn_StemFormat_Mono);
    type->AttachEffectProcessCreator(kind.creator, nullptr);
    AddEffectType(type.release());
}

void CPTAdapterGroup::AddOfflineType(uint32_t hostCategories)
{
    SInt32 maxInputs = 0;
    SInt32 maxOutputs = 0;
    for (SInt32 inputs = 1; inputs <= QVEffect::kMaxChannels; ++inputs)
        for (SInt32 outputs = 1; outputs <= QVEffect::kMaxChannels; ++outputs)
            if (queryEffect->checkChannelConfig(inputs, outputs))
            {
                maxInputs = std::max(maxInputs, inputs);
                maxOutputs = std::max(maxOutputs, outputs);
            }
    if (maxInputs == 0 || maxOutputs == 0)
        return;
    std::unique_ptr<CEffectType> type = NewNamedType<CEffectTypeAS>(kPTAdapterOfflineType, hostCategories);
    type->DefineSampleRateSupport(kSampleRateSupport);
    AddCommonGestalts(*type);
    for (SInt32 gestalt : kOfflineGestalts)
        type->AddGestalt(gestalt);
    type->DefineGenericNumInputsAndOutputs(maxInputs, maxOutputs);
    type->AttachEffectProcessCreator(NewPTAdapterProcessASGeneric, nullptr);
    AddEffectType(type.release());
}

void CPTAdapterGroup::AddCommonGestalts(CEffectType& type) const
{
    if (!HasFlag(QVEffect::kEffectNoMasterBypass))
        type.AddGestalt(kGestaltMasterBypass);
    if (HasFlag(QVEffect::kEffectSidechain))
        type.AddGestalt(kGestaltSideChain);
}

bool CPTAdapterGroup::HasFlag(int32_t flag) const
{
    return (queryEffect->getFlags() & flag) != 0;
}
