// The defaults of the per-control operations: a control in the list answers for itself; an
// index without one answers as if there were no control.

#include <algorithm>
#include <cstring>

#include "CDAEError.h"
#include "CProcess.h"
#include "DAEErrorCodes.h"
#include "HostStrings.h"

namespace
{
// The control's answer to a question, or the answer for no control.
template <typename Out, typename Answer>
ComponentResult AnswerOf(const CPluginControl* control, Answer (CPluginControl::*question)() const, Out* out,
                         Out without)
{
    *out = control != nullptr ? Out((control->*question)()) : without;
    return 0;
}
} // namespace

ComponentResult CProcess::GetNumControls(SInt16* numControls)
{
    *numControls = SInt16(fControls.GetNumControls());
    return 0;
}

ComponentResult CProcess::GetMasterBypassControl(SInt32* index)
{
    *index = 0;
    return 0;
}

ComponentResult CProcess::IsControlAutomatable(SInt32 index, SInt16* automatable)
{
    return AnswerOf(FindControl(index), &CPluginControl::IsAutomatable, automatable, SInt16(0));
}

ComponentResult CProcess::GetNumControlSteps(SInt32 index, SInt32* numSteps)
{
    return AnswerOf(FindControl(index), &CPluginControl::GetNumSteps, numSteps, 0);
}

ComponentResult CProcess::ConvertStringToValue(SInt32 index, SInt32* value, char* text)
{
    *value = 0;
    const CPluginControl* control = FindControl(index);
    if (control == nullptr)
        return 0;
    try
    {
        *value = control->ConvertStringToValue(text);
    }
    catch (const CDAEError& error)
    {
        return error.Code();
    }
    return 0;
}

ComponentResult CProcess::IsKeyValid(SInt32 index, SInt16 key, unsigned char* valid)
{
    const CPluginControl* control = FindControl(index);
    *valid = control != nullptr && control->IsKeyValid(key) ? 1 : 0;
    return 0;
}

ComponentResult CProcess::GetValueString(SInt32 index, SInt32 value, unsigned char* out, SInt32 maxLen)
{
    out[0] = 0;
    if (const CPluginControl* control = FindControl(index))
    {
        control->GetValueString(reinterpret_cast<char*>(out), std::clamp<SInt32>(maxLen, 0, 255), value);
        CToPascalInPlace(out);
    }
    return 0;
}

ComponentResult CProcess::GetControlName(SInt32 index, char* out)
{
    out[0] = '\0';
    if (const CPluginControl* control = FindControl(index))
        control->GetNameOfLength(out, 31, kControllerTypePcTL);
    return 0;
}

ComponentResult CProcess::GetControlNameOfLength(SInt32 index, char* out, SInt32 maxLen, OSType controllerType,
                                                 SInt16* result)
{
    *result = 0;
    maxLen = std::max<SInt32>(maxLen, 0);
    if (const CPluginControl* control = FindControl(index))
    {
        control->GetNameOfLength(out, maxLen, controllerType);
        return 0;
    }
    char name[256] = {};
    const ComponentResult answer = GetControlName(index, name);
    const size_t length = std::min(std::strlen(name), size_t(maxLen));
    std::memcpy(out, name, length);
    out[length] = '\0';
    return answer;
}

ComponentResult CProcess::GetProcessControlSDSName(SInt32 index, char* out)
{
    return GetControlName(index, out);
}

ComponentResult CProcess::GetControlValue(SInt32 index, SInt32* value)
{
    return AnswerOf(FindControl(index), &CPluginControl::GetValue, value, 0);
}

ComponentResult CProcess::GetControlDefaultValue(SInt32 index, SInt32* value)
{
    if (const CPluginControl* control = FindControl(index))
    {
        *value = control->GetDefaultValue();
        return 0;
    }
    return GetControlValue(index, value);
}

ComponentResult CProcess::SetControlDefaultValue(SInt32 index, SInt32 value)
{
    if (CPluginControl* control = FindControl(index))
        control->SetDefaultValue(value);
    return 0;
}

ComponentResult CProcess::GetControlValueInfo(SInt32, SInt32, SInt32, SInt32*)
{
    return kDAE_ControlInfoNotSupported;
}

ComponentResult CProcess::GetNumChanges(SInt32* numChanges)
{
    if (fNumChanges >= 0)
        *numChanges = fNumChanges;
    return 0;
}

ComponentResult CProcess::SetControlOverride(SInt32, Boolean)
{
    return 0;
}

ComponentResult CProcess::UpdateControlValueInAlgorithm(SInt32)
{
    return 0;
}

ComponentResult CProcess::GetControlPriority(SInt32 index, SInt32* priority)
{
    return AnswerOf(FindControl(index), &CPluginControl::GetPriority, priority, 0);
}

ComponentResult CProcess::GetControlType(SInt32 index, SInt32* type)
{
    return AnswerOf(FindControl(index), &CPluginControl::GetControlType, type, 1);
}

ComponentResult CProcess::GetControlOrientation(SInt32 index, SInt32* orientation)
{
    return AnswerOf(FindControl(index), &CPluginControl::GetOrientation, orientation, 0);
}

ComponentResult CProcess::GetProcessNameID(FicSDSNameId* id)
{
    *id = fProcessNameId;
    return 0;
}

ComponentResult CProcess::GetControlNameID(SInt32 index, FicSDSNameId* id)
{
    *id = IsRegistered(index) ? fRegistry[index].nameId : 0;
    return 0;
}
