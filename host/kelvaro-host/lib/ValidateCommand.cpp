#include "ValidateCommand.h"

#include "CPlugInModule.h"
#include "CValidation.h"

namespace
{
std::string RunCheck(const SValidationCheck& check, CValidation& validation)
{
    try
    {
        return check.fRun(validation);
    }
    catch (const std::exception& failure)
    {
        return failure.what();
    }
}
} // namespace

bool ValidatePlugIn(const std::string& bundle, std::ostream& out)
{
    CPlugInModule{bundle};  // a bundle that does not load is an error, not a failed check
    CValidation validation(bundle);
    SInt32 passed = 0, failed = 0;
    for (const auto& group : {ModuleChecks(), RoutineChecks(), SettingsChecks(), ControlChecks(), RenderingChecks(),
                              EditorChecks()})
        for (const SValidationCheck& check : group)
        {
            const std::string failure = RunCheck(check, validation);
            (failure.empty() ? passed : failed) += 1;
            out << (failure.empty() ? "PASS " : "FAIL ") << check.fName << (failure.empty() ? "" : ": " + failure)
                << std::endl;
        }
    out << passed << " passed, " << failed << " failed\n";
    return failed == 0;
}
