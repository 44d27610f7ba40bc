// The host's control operations, answered from the effect's parameters. Control 1 is the master
// bypass when the effect has one; parameter p is control p + masterBypassIndex + 1. Out-of-range
// indexes reach the effect, whose own range checks apply.

#include <algorithm>

#include "AdapterValues.h"
#include "CPTAdapterProcess.h"
#include "FicTokenGlobals.h"
#include "QVEffect.h"
#include "QVString.h"

namespace
{
constexpr SInt32 kControlNameLength = 31;
constexpr char kBypassName[] = "Master Bypass";
constexpr char kBypassNames[] = "Master Bypass\nBypass\nByp";
constexpr SInt32 kDiscreteControlType = 0;
constexpr SInt32 kContinuousControlType = 1;
constexpr SInt32 kContinuousSteps = 255;
constexpr SInt32 kBypassSteps = 2;

// A zero-terminated text written in place becomes a length-prefixed one.
void ToPascalText(unsigned char* text)
{
    my_c2pstr(reinterpret_cast<char*>(text));
}
} // namespace

bool CPTAdapterProcess::IsValidControlIndex(SInt32 index)
{
    return index >= 1 && index <= effect->getParameterCount() + masterBypassIndex;
}

bool CPTAdapterProcess::IsStepped(SInt32 parameter) const
{
    return effect->getParameterStepCount(parameter) >= 2;
}

ComponentResult CPTAdapterProcess::GetNumControls(SInt16* numControls)
{
    *numControls = SInt16(effect->getParameterCount() + masterBypassIndex);
    return 0;
}

ComponentResult CPTAdapterProcess::GetMasterBypassControl(SInt32* index)
{
    *index = masterBypassIndex;
    return 0;
}

// ---- Names and texts

ComponentResult CPTAdapterProcess::GetControlName(SInt32 index, char* out)
{
    if (IsMasterBypass(index))
        qv_strncpy(out, kBypassName, kControlNameLength, 0);
    else
        effect->getParameterNameString(ParameterOf(index), out, kControlNameLength);
    return 0;
}

ComponentResult CPTAdapterProcess::GetControlNameOfLength(SInt32 index, char* out, SInt32 maxLen, OSType,
                                                          SInt16* result)
{
    *result = 0;
    if (IsMasterBypass(index))
        qv_strncpy(out, kBypassNames, maxLen, 0);
    else
        effect->getParameterNameString(ParameterOf(index), out, maxLen);
    return 0;
}

// The live effect formats values it does not hold only if it can; otherwise the value-formatting
// instance takes the value, so the live effect, its editor and its callbacks stay untouched.
ComponentResult CPTAdapterProcess::GetValueString(SInt32 index, SInt32 value, unsigned char* out, SInt32 maxLen)
{
    if (maxLen < 0)
        return 0;
    char* text = reinterpret_cast<char*>(out);
    if (IsMasterBypass(index))
        qv_strncpy(text, IsBypassOnValue(value) ? "On" : "Off", maxLen, 0);
    else
    {
        const SInt32 parameter = ParameterOf(index);
        const float normalised = ToEffectValue(value);
        if (!effect->getParameterValueUnitStringFromValue(parameter, text, maxLen, normalised))
        {
            formatEffect->setParameter(parameter, normalised, false, false);
            formatEffect->getParameterValueUnitString(parameter, text, maxLen);
        }
    }
    ToPascalText(out);
    return 0;
}

ComponentResult CPTAdapterProcess::ConvertStringToValue(SInt32 index, SInt32* value, char* text)
{
    *value = IsMasterBypass(index) ? 0 : ToHostControlValue(effect->getParameterFromString(ParameterOf(index), text));
    return 0;
}

ComponentResult CPTAdapterProcess::IsKeyValid(SInt32, SInt16 key, unsigned char* valid)
{
    *valid = IsValueKey(key) ? 1 : 0;
    return 0;
}

// ---- Values

ComponentResult CPTAdapterProcess::GetControlValue(SInt32 index, SInt32* value)
{
    if (IsMasterBypass(index))
        *value = effect->getBypass() ? kBypassOnValue : kBypassOffValue;
    else
        *value = ToHostControlValue(effect->getParameter(ParameterOf(index)));
    return 0;
}

// With the host's automation engine running, the value travels there between a touch and a
// release and comes back through UpdateControlValue; without it, it applies at once.
ComponentResult CPTAdapterProcess::SetControlValue(SInt32 index, SInt32 value)
{
    if (gOurTokenTask != nullptr)
        return CEffectProcess::SetControlValue(index, value);
    if (IsValidControlIndex(index))
    {
        UpdateControlValue(index, value);
        UpdateControlGraphic(index, value);
    }
    return 0;
}

// A parameter's stored value comes back through the effect's callback as NotifyControlUpdate.
ComponentResult CPTAdapterProcess::UpdateControlValue(SInt32 index, SInt32 value)
{
    if (!IsMasterBypass(index))
    {
        effect->setParameter(ParameterOf(index), ToEffectValue(value), true, true);
        return 0;
    }
    effect->setBypass(IsBypassOnValue(value));
    return NotifyControlUpdate(index, value);
}

ComponentResult CPTAdapterProcess::NotifyControlUpdate(SInt32 index, SInt32 value)
{
    if (IsValidControlIndex(index))
        UpdateControlValueInAlgorithm(index);
    return CEffectProcess::UpdateControlValue(index, value);
}

ComponentResult CPTAdapterProcess::UpdateControlGraphic(SInt32 index, SInt32 value)
{
    if (ui)
        ui->UpdateEditor();
    return CEffectProcess::UpdateControlGraphic(index, value);
}

ComponentResult CPTAdapterProcess::GetControlDefaultValue(SInt32 index, SInt32* value)
{
    *value = IsMasterBypass(index) ? kBypassOffValue
                                   : ToHostControlValue(effect->getParameterDefault(ParameterOf(index)));
    return 0;
}

ComponentResult CPTAdapterProcess::SetControlDefaultValue(SInt32, SInt32)
{
    return 0;
}

// ---- Kinds of control

ComponentResult CPTAdapterProcess::IsControlAutomatable(SInt32 index, SInt16* automatable)
{
    const bool fixed =
        !IsMasterBypass(index) && (effect->getParameterFlags(ParameterOf(index)) & QVEffect::kParamNotAutomatable) != 0;
    *automatable = fixed ? 0 : 1;
    return 0;
}

ComponentResult CPTAdapterProcess::GetControlType(SInt32 index, SInt32* type)
{
    const bool discrete = IsMasterBypass(index) || IsStepped(ParameterOf(index));
    *type = discrete ? kDiscreteControlType : kContinuousControlType;
    return 0;
}

ComponentResult CPTAdapterProcess::GetNumControlSteps(SInt32 index, SInt32* numSteps)
{
    if (IsMasterBypass(index))
        *numSteps = kBypassSteps;
    else
        *numSteps = IsStepped(ParameterOf(index)) ? effect->getParameterStepCount(ParameterOf(index))
                                                  : kContinuousSteps;
    return 0;
}

// ---- Gestures, highlighting, picking

ComponentResult CPTAdapterProcess::TouchControl(SInt32 index)
{
    if (index > masterBypassIndex)
        effect->touchParameter(ParameterOf(index));
    return CEffectProcess::TouchControl(index);
}

ComponentResult CPTAdapterProcess::ReleaseControl(SInt32 index)
{
    if (index > masterBypassIndex)
        effect->releaseParameter(ParameterOf(index));
    return CEffectProcess::ReleaseControl(index);
}

ComponentResult CPTAdapterProcess::SetControlHighliteInfo(SInt32 index, SInt16 highlighted, SInt16 colour)
{
    if (IsMasterBypass(index))
        return CEffectProcess::SetControlHighliteInfo(index, highlighted, colour);
    if (ui)
        ui->SetControlHighlight(ParameterOf(index), HighlightCodeOf(highlighted, colour));
    return 0;
}

ComponentResult CPTAdapterProcess::ChooseControl(Point where, SInt32* index)
{
    *index = 0;
    if (!ui)
        return 0;
    const SInt32 parameter = ui->GetParameterIndexFromPoint(where.h, where.v);
    if (parameter >= 0)
        *index = ControlOf(parameter);
    return 0;
}
