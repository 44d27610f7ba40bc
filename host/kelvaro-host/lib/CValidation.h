#pragma once
// What the validation checks share: the bundle, the module loaded on first use for the checks
// that do not load it themselves (those run first), the type under test, and a seeded random
// source so that a failure can be repeated.

#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "CPlugInModule.h"

class CValidation
{
public:
    explicit CValidation(const std::string& bundle) : fBundle(bundle) {}

    const std::string& Bundle() const { return fBundle; }
    CRoutineTable& Routines();
    OSType Type();
    std::mt19937& Random() { return fRandom; }
    SInt32 RandomIn(SInt32 lowest, SInt32 highest);

private:
    std::string fBundle;
    std::unique_ptr<CPlugInModule> fModule;
    OSType fType = 0;
    std::mt19937 fRandom{20261211};
};

// A check answers the empty text when it passed, else what went wrong.
struct SValidationCheck
{
    const char* fName;
    std::function<std::string(CValidation&)> fRun;
};

std::vector<SValidationCheck> ModuleChecks();
std::vector<SValidationCheck> RoutineChecks();
std::vector<SValidationCheck> SettingsChecks();
std::vector<SValidationCheck> ControlChecks();
std::vector<SValidationCheck> RenderingChecks();
std::vector<SValidationCheck> EditorChecks();

// The failure text of a routine that answered code where expected was wanted.
std::string Mismatch(const std::string& call, ComponentResult code, ComponentResult expected);
