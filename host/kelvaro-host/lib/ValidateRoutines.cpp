// Checks that every routine answers bad addresses with an error code instead of acting.
#include <functional>
#include <utility>

#include "CHostProcess.h"
#include "SRTASInstance.h"
#include "CValidation.h"

namespace
{
constexpr OSType kUnknownType = FourCC("zzzz");
// Index 0 is not absent: it addresses the type itself.
constexpr SInt32 kAbsentProcesses[] = {-1, 9999, 32767};
constexpr SInt32 kUnassignedSelectors[] = {11, 13, 21, 26, 34, 60, 61, 106, 107, 174, 175, 1000, -1};

using Call = std::pair<const char*, std::function<ComponentResult()>>;

std::string FirstNotFailing(const std::vector<Call>& calls)
{
    for (const auto& [name, call] : calls)
        if (call() == 0)
            return std::string(name) + " answered 0";
    return "";
}

// The routines of one control.
std::vector<Call> ControlCalls(CRoutineTable& routines, OSType type, SInt32 process, SInt32 control)
{
    static SInt32 value;
    static SInt16 result;
    static char text[32];
    return {
        {"GetControlValue", [=, &routines] { return routines.GetControlValue(type, process, control, &value); }},
        {"SetControlValue", [=, &routines] { return routines.SetControlValue(type, process, control, 0); }},
        {"UpdateControlValue", [=, &routines] { return routines.UpdateControlValue(type, process, control, 0); }},
        {"GetNumControlSteps", [=, &routines] { return routines.GetNumControlSteps(type, process, control, &value); }},
        {"GetControlDefaultValue", [=, &routines] { return routines.GetControlDefaultValue(type, process, control, &value); }},
        {"MapControlValToString", [=, &routines] { return routines.MapControlValToString(type, process, control, 0, text, 31); }},
        {"GetControlNameOfLength", [=, &routines] { return routines.GetControlNameOfLength(type, process, control, text, 31, 0, &result); }},
        {"GetControlType", [=, &routines] { return routines.GetControlType(type, process, control, &value); }},
    };
}

// The routines of one process, its first control's included. The channel counts are left out:
// a process index of 0 or less asks them of the type.
std::vector<Call> ProcessCalls(CRoutineTable& routines, OSType type, SInt32 process)
{
    static SInt32 value;
    static SInt16 count;
    static Rect rect;
    static EventRecord event;
    static Boolean same;
    static SRTASConnection connection;
    static SFicPlugInChunk chunk{kChunkHeaderSize, 0, 0, 0, 0, FourCC("zzzz"), {}};
    std::vector<Call> calls = ControlCalls(routines, type, process, 1);
    calls.insert(calls.end(), {
        {"GetNumControls", [=, &routines] { return routines.GetNumControls(type, process, &count); }},
        {"GetNumChunks", [=, &routines] { return routines.GetNumChunks(type, process, &value); }},
        {"GetChunkSize", [=, &routines] { return routines.GetChunkSize(type, process, FourCC("zzzz"), &value); }},
        {"GetChunk", [=, &routines] { return routines.GetChunk(type, process, FourCC("zzzz"), &chunk); }},
        {"SetChunk", [=, &routines] { return routines.SetChunk(type, process, FourCC("zzzz"), &chunk); }},
        {"CompareActiveChunk", [=, &routines] { return routines.CompareActiveChunk(type, process, &chunk, &same); }},
        {"ConnectInput", [=, &routines] { return routines.ConnectInput(type, process, 1, &connection); }},
        {"ConnectOutput", [=, &routines] { return routines.ConnectOutput(type, process, 1, &connection); }},
        {"DisconnectInput", [=, &routines] { return routines.DisconnectInput(type, process, 1); }},
        {"DisconnectOutput", [=, &routines] { return routines.DisconnectOutput(type, process, 1); }},
        {"GetViewRect", [=, &routines] { return routines.GetViewRect(type, process, &rect); }},
        {"SetViewPort", [=, &routines] { return routines.SetViewPort(type, process, nullptr); }},
        {"Draw", [=, &routines] { return routines.Draw(type, process, &rect); }},
        {"DoMouseCommand", [=, &routines] { return routines.DoMouseCommand(type, process, &event); }},
        {"DoIdle", [=, &routines] { return routines.DoIdle(type, process, &event); }},
    });
    return calls;
}

std::string UnknownTypes(CValidation& validation)
{
    CRoutineTable& routines = validation.Routines();
    static SInt32 value;
    static char text[32];
    std::vector<Call> calls = ProcessCalls(routines, kUnknownType, 1);
    calls.emplace_back("InstantiateProcess", [&routines] { return routines.InstantiateProcess(kUnknownType, &value); });
    calls.emplace_back("Gestalt", [&routines] { return routines.Gestalt(kUnknownType, 29, &value); });
    calls.emplace_back("GetPlugInType", [&routines] { return routines.GetPlugInType(kUnknownType, &value); });
    calls.emplace_back("GetProcessTypeName", [&routines] { return routines.GetProcessTypeName(kUnknownType, 31, text); });
    return FirstNotFailing(calls);
}

std::string AbsentProcesses(CValidation& validation)
{
    CHostProcess live(validation.Routines(), validation.Type());
    for (SInt32 process : kAbsentProcesses)
    {
        std::vector<Call> calls = ProcessCalls(validation.Routines(), validation.Type(), process);
        calls.emplace_back("FreeProcess", [&validation, process] {
            return validation.Routines().FreeProcess(validation.Type(), process);
        });
        if (const std::string failure = FirstNotFailing(calls); !failure.empty())
            return failure + " for process " + std::to_string(process);
    }
    return "";
}

// Only the control routines: the process-wide ones rightly succeed.
std::string OutOfRangeControls(CValidation& validation)
{
    CHostProcess process(validation.Routines(), validation.Type());
    for (SInt32 control : {0, -1, process.NumControls() + 1, 100000})
    {
        const std::vector<Call> calls = ControlCalls(validation.Routines(), validation.Type(), process.Index(), control);
        if (const std::string failure = FirstNotFailing(calls); !failure.empty())
            return failure + " for control " + std::to_string(control);
    }
    return "";
}

std::string UnassignedSelectors(CValidation& validation)
{
    for (SInt32 selector : kUnassignedSelectors)
    {
        PlugInRoutine routine = reinterpret_cast<PlugInRoutine>(&UnassignedSelectors);
        if (const ComponentResult code = validation.Routines().Describe(selector, &routine); code != -9007)
            return Mismatch("selector " + std::to_string(selector), code, -9007);
        if (routine != nullptr)
            return "selector " + std::to_string(selector) + " gave a routine";
    }
    return "";
}
} // namespace

std::vector<SValidationCheck> RoutineChecks()
{
    return {
        {"unknown OS types answer an error code", UnknownTypes},
        {"absent process indexes answer an error code", AbsentProcesses},
        {"out-of-range controls answer an error code", OutOfRangeControls},
        {"unassigned selectors answer -9007 and no routine", UnassignedSelectors},
    };
}
