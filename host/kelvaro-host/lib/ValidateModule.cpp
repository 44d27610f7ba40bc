// Checks of the module's and the processes' life.
#include <algorithm>
#include <memory>

#include "CHostProcess.h"
#include "CValidation.h"
#include "StereoType.h"

namespace
{
constexpr SInt32 kLoads = 10;
constexpr size_t kProcesses = 32;

std::string LoadAndUnload(CValidation& validation)
{
    for (SInt32 load = 1; load <= kLoads; ++load)
    {
        CPlugInModule module(validation.Bundle());
        FindStereoRealTimeType(module.Routines());
    }
    return "";
}

// Freed odd ones first, then the rest from the last; a process made afterwards still works.
std::string CreateAndFreeMixed(CValidation& validation)
{
    std::vector<std::unique_ptr<CHostProcess>> processes;
    for (size_t made = 0; made < kProcesses; ++made)
        processes.push_back(std::make_unique<CHostProcess>(validation.Routines(), validation.Type()));
    std::vector<SInt32> indexes;
    for (const auto& process : processes)
        indexes.push_back(process->Index());
    std::sort(indexes.begin(), indexes.end());
    if (std::adjacent_find(indexes.begin(), indexes.end()) != indexes.end())
        return "two live processes share an index";
    for (size_t index = 1; index < processes.size(); index += 2)
        if (const ComponentResult code = processes[index]->Free(); code != 0)
            return Mismatch("freeing a process", code, 0);
    for (auto process = processes.rbegin(); process != processes.rend(); ++process)
        if (const ComponentResult code = (*process)->Free(); code != 0)
            return Mismatch("freeing a process", code, 0);
    CHostProcess again(validation.Routines(), validation.Type());
    again.NumControls();
    return "";
}
} // namespace

std::vector<SValidationCheck> ModuleChecks()
{
    return {
        {"load and unload ten times", LoadAndUnload},
        {"create and free 32 processes in mixed order", CreateAndFreeMixed},
    };
}
