// Checks of the editor's life in the host's window: opened, moved to another port, closed.
#include "CEditorPort.h"
#include "CHostProcess.h"
#include "CValidation.h"

namespace
{
constexpr SInt32 kCycles = 5;

std::string OpenCloseCycles(CValidation& validation)
{
    CHostProcess process(validation.Routines(), validation.Type());
    for (SInt32 cycle = 0; cycle < kCycles; ++cycle)
    {
        CEditorPort first(process);
        first.Attach();
        CEditorPort second(process);
        second.Attach();
        if (const ComponentResult code = second.Draw())
            return Mismatch("Draw", code, 0);
        if (const ComponentResult code = second.Click(second.Width() / 2, second.Height() / 2))
            return Mismatch("DoMouseCommand", code, 0);
        const EventRecord nullEvent{};
        if (const ComponentResult code = process.Routines().DoIdle(process.Type(), process.Index(), &nullEvent))
            return Mismatch("DoIdle", code, 0);
        second.Detach();
        first.Detach();
    }
    return "";
}
} // namespace

std::vector<SValidationCheck> EditorChecks()
{
    return {{"editor open and close cycles with port changes", OpenCloseCycles}};
}
