#include "CEffectProcess.h"

#include <algorithm>
#include <cstring>

#include "CDAEError.h"
#include "CEffectGroup.h"
#include "CEffectType.h"
#include "CPlugInView.h"
#include "DAEErrorCodes.h"
#include "ProcessAnswers.h"

namespace
{
constexpr char kMeterReader = 'p';
constexpr SInt32 kNoSideChain = -42;

void CopyPascal(unsigned char* out, const std::string& text)
{
    out[0] = UInt8(std::min<size_t>(text.size(), 255));
    std::memcpy(out + 1, text.data(), out[0]);
}
} // namespace

CEffectProcess::CEffectProcess()
{
    AddChunk(kControlsChunkID, "Complete Controls State", 0);
}

ComponentResult CEffectProcess::Initialize()
{
    if (auto* type = dynamic_cast<CEffectType*>(GetProcessType()))
    {
        ThrowOnErr(type->GetNumAudioInputs(0, &fNumAudioInputs));
        ThrowOnErr(type->GetNumAudioOutputs(0, &fNumAudioOutputs));
        fPlugInType = type->GetPlugInType();
        ThrowOnErr(type->GetStemFormats(&fStemFormats[0], &fStemFormats[1], &fStemFormats[2]));
        ThrowOnErr(type->Gestalt(kGestaltSideChain, &fSideChainInput));
    }
    fMeterManager.Initialize(this, fPlugInType == ePlugInKindRealTime);
    EffectInit();
    fMeterValues.assign(size_t(fMeterCount), 0);
    fClipFlags.assign(size_t(fMeterCount), false);
    ThrowOnErr(CProcess::Initialize());
    SInt16 numControls = 0;
    ThrowOnErr(GetNumControls(&numControls));
    fSavedControlCount = numControls - SInt32(fFilteredControlIds.size());
    return 0;
}

CPlugInView* CEffectProcess::CreateCPlugInView()
{
    return nullptr;
}

ComponentResult CEffectProcess::DoSetCursor(EventRecord*)
{
    return 0;
}

void CEffectProcess::EffectInit() {}

SInt16 CEffectProcess::HandleKeystroke(EventRecord*)
{
    return 0;
}

void CEffectProcess::ConnectSidechain()
{
    fSideChainConnected = true;
}

void CEffectProcess::DisconnectSidechain()
{
    fSideChainConnected = false;
}

SInt32 CEffectProcess::GetSideChainConnectionNum() const
{
    return fSideChainConnected ? fSideChainInput - 1 : kNoSideChain;
}

ComponentResult CEffectProcess::GetNumAudioInputs(SInt16* count)
{
    return Answer(count, fNumAudioInputs);
}

ComponentResult CEffectProcess::GetNumAudioOutputs(SInt16* count)
{
    return Answer(count, fNumAudioOutputs);
}

ComponentResult CEffectProcess::DoKeyCommand(EventRecord* event, Boolean* handled)
{
    ThrowOnErr(CProcess::DoKeyCommand(event, handled));
    if (!*handled)
        *handled = HandleKeystroke(event) != 0;
    return 0;
}

ComponentResult CEffectProcess::GetSDSBaseName(char* out)
{
    CProcessType* type = GetProcessType();
    auto* group = type != nullptr ? dynamic_cast<CEffectGroup*>(type->GetProcessGroup()) : nullptr;
    if (group == nullptr)
        return Answer(out, '\0');
    group->GetSDSBaseName(out);
    return 0;
}

// ---- Bypass

void CEffectProcess::DefineMasterBypassControlIndex(UInt32 index)
{
    fMasterBypassIndex = SInt32(index);
    if (!fControls.IsValidControlIndex(fMasterBypassIndex))
        return;
    const CPluginControl* control = fControls.GetControl(fMasterBypassIndex);
    if (control->GetControlType() == kDiscreteControl && control->GetID() != 0)
        FilterControlIdOnSave(control->GetID());
}

void CEffectProcess::FilterControlIdOnSave(OSType controlID)
{
    fFilteredControlIds.insert(controlID);
}

ComponentResult CEffectProcess::GetMasterBypassControl(SInt32* index)
{
    return Answer(index, fMasterBypassIndex);
}

ComponentResult CEffectProcess::GetBypass(Boolean* bypassed)
{
    *bypassed = false;
    if (fMasterBypassIndex == 0)
        return 0;
    SInt32 value = 0;
    const ComponentResult result = GetControlValue(fMasterBypassIndex, &value);
    *bypassed = value >= 0;
    return result;
}

ComponentResult CEffectProcess::SetBypass(Boolean bypassed)
{
    if (fMasterBypassIndex == 0)
        return 0;
    return UpdateControlValue(fMasterBypassIndex, bypassed ? kControlValueHighest : kControlValueLowest);
}

// ---- Plug-in strings

void CEffectProcess::DefineDialogString(SInt32 id, const char* text)
{
    fPlugInStrings.emplace_back(id, text);
}

ComponentResult CEffectProcess::GetPlugInString(SInt32 selector, unsigned char* out)
{
    const auto found = std::find_if(fPlugInStrings.begin(), fPlugInStrings.end(),
                                    [selector](const auto& entry) { return entry.first == selector; });
    if (found != fPlugInStrings.end())
        CopyPascal(out, found->second);
    return 0;
}

// ---- Meters and clip state

void CEffectProcess::AddMeter(CPlugInMeter* meter)
{
    fMeterManager.AddMeter(meter);
    ++fMeterCount;
}

void CEffectProcess::GetMetersAndClipIndicators(SInt32* values, bool* clips)
{
    fMeterManager.GetAll(values, clips, kMeterReader);
}

ComponentResult CEffectProcess::GetNumMeters(SInt32* numMeters)
{
    return Answer(numMeters, fMeterManager.GetNumMeters());
}

ComponentResult CEffectProcess::GetMeterVal(SInt32 index, SInt32* value)
{
    return Answer(value, fMeterManager.GetMeterValue(index, kMeterReader));
}

ComponentResult CEffectProcess::GetMeterOrientation(SInt32 index, SInt32* orientation)
{
    const CPlugInMeter* meter = fMeterManager.GetMeter(index);
    return Answer(orientation, meter != nullptr ? meter->fOrientation : 0);
}

ComponentResult CEffectProcess::GetNumMetersOfType(SInt32 meterType, SInt32* count)
{
    SInt32 found = 0;
    for (SInt32 index = 1; index <= fMeterManager.GetNumMeters(); ++index)
        found += fMeterManager.GetMeter(index)->fMeterType == meterType ? 1 : 0;
    return Answer(count, found);
}

ComponentResult CEffectProcess::GetMeterIndexByType(SInt32 meterType, SInt32 nth, SInt32* index)
{
    *index = 0;
    for (SInt32 meter = 1, seen = 0; meter <= fMeterManager.GetNumMeters(); ++meter)
        if (fMeterManager.GetMeter(meter)->fMeterType == meterType && ++seen == nth)
            return Answer(index, meter);
    return 0;
}

ComponentResult CEffectProcess::GetClipState(Boolean* clipped)
{
    if (!IsClipped())
        SetClipped(fMeterManager.AnyClip(kMeterReader));
    return Answer(clipped, IsClipped());
}

ComponentResult CEffectProcess::ClearClipState()
{
    fMeterManager.Clear();
    std::fill(fClipFlags.begin(), fClipFlags.end(), false);
    SetClipped(false);
    return 0;
}

ComponentResult CEffectProcess::GetNumAuxOutputStems(SInt32* numStems)
{
    return Answer(numStems, 0);
}

ComponentResult CEffectProcess::GetAuxOutputStemInfo(SInt32 index, SInt32* format, char* name)
{
    return CProcess::GetAuxOutputStemInfo(index, format, name);
}
