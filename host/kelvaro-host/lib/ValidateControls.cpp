// Checks of the controls under random values and random edits.
#include "CAutomatedProcess.h"
#include "CValidation.h"

namespace
{
constexpr SInt32 kRandomValues = 500;
constexpr SInt32 kRandomEdits = 200;

std::string RandomValues(CValidation& validation)
{
    CHostProcess process(validation.Routines(), validation.Type());
    CRoutineTable& routines = validation.Routines();
    const SInt32 controls = process.NumControls();
    for (SInt32 round = 0; round < kRandomValues && controls > 0; ++round)
    {
        const SInt32 control = validation.RandomIn(1, controls);
        SInt32 value = validation.RandomIn(INT32_MIN, INT32_MAX);
        if (const ComponentResult code = routines.UpdateControlValue(process.Type(), process.Index(), control, value))
            return Mismatch("UpdateControlValue", code, 0);
        if (const ComponentResult code = routines.GetControlValue(process.Type(), process.Index(), control, &value))
            return Mismatch("GetControlValue", code, 0);
        char text[32] = {};
        if (const ComponentResult code = routines.MapControlValToString(process.Type(), process.Index(), control, value, text, 31))
            return Mismatch("MapControlValToString", code, 0);
    }
    return "";
}

// A user's edits: each reaches the plug-in through the host's automation and reads back as set.
std::string RandomEdits(CValidation& validation)
{
    CAutomatedProcess automated(validation.Routines(), validation.Type());
    CHostProcess& process = automated.Process();
    const SInt32 controls = process.NumControls();
    for (SInt32 edit = 0; edit < kRandomEdits && controls > 0; ++edit)
    {
        const SInt32 control = validation.RandomIn(1, controls);
        const SInt32 value = validation.RandomIn(INT32_MIN, INT32_MAX);
        if (const ComponentResult code = process.SetControlValue(control, value))
            return Mismatch("SetControlValue", code, 0);
        if (validation.RandomIn(0, 3) == 0)
            continue;  // several edits before the next idle
        automated.Settle();
        if (process.ValueText(control, process.ControlValue(control)) != process.ValueText(control, value))
            return "control " + std::to_string(control) + " does not read back as the user set it";
    }
    automated.Settle();
    return automated.Automation().TouchesOpen() == 0 ? "" : "touches and releases do not pair";
}
} // namespace

std::vector<SValidationCheck> ControlChecks()
{
    return {
        {"random control values answer and read back", RandomValues},
        {"random edit sequences through the automation", RandomEdits},
    };
}
