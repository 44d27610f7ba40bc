#pragma once
// How a host routine reaches the group: its arguments go into a call record, the record runs
// inside the group's critical section when the routine's rule asks for it, and whatever escapes
// becomes a host error code.

#include <tuple>
#include <type_traits>

#include "CProcessGroupInterface.h"
#include "DAEErrorCodes.h"

enum class ECriticalSectionRule
{
    eAboveNinetyEight,  // drawing and the view port
    eHundredOrMore,     // offline processing, MIDI release, the automation type
    eWhenScopeNotZero   // every other routine that reaches the group
};

bool UsesCriticalSection(ECriticalSectionRule rule, SInt32 scope);

// A call of one group operation with its arguments.
struct SGenFuncRetLong
{
    virtual ~SGenFuncRetLong() = default;
    virtual ComponentResult Call(CProcessGroupInterface& group) const = 0;
};

template <typename... Args>
struct SArgGroupFunc : SGenFuncRetLong
{
    using Operation = ComponentResult (CProcessGroupInterface::*)(Args...);

    SArgGroupFunc(Operation operation, Args... args) : fOperation(operation), fArgs(args...) {}

    ComponentResult Call(CProcessGroupInterface& group) const override
    {
        return std::apply([&](Args... args) { return (group.*fOperation)(args...); }, fArgs);
    }

    Operation fOperation;
    std::tuple<Args...> fArgs;
};

// Runs the record under the rule; answers -7053 when there is no group.
ComponentResult CallGroup(const SGenFuncRetLong& record, ECriticalSectionRule rule);

// Out-pointers the host must give: to numbers, texts, pointers and the host's records. Events,
// ports, connections and records the library only passes on may be null.
template <typename T>
constexpr bool kNeedsTarget = false;
template <typename T>
    requires std::is_arithmetic_v<std::remove_cv_t<T>> || std::is_pointer_v<T> ||
             std::is_same_v<std::remove_cv_t<T>, Rect> || std::is_same_v<std::remove_cv_t<T>, SPlugInSpec> ||
             std::is_same_v<std::remove_cv_t<T>, SFicPlugInChunk> ||
             std::is_same_v<std::remove_cv_t<T>, SConnectionFormat> ||
             std::is_same_v<std::remove_cv_t<T>, STimeCodeInfo> ||
             std::is_same_v<std::remove_cv_t<T>, SControlSpecifier> ||
             std::is_same_v<std::remove_cv_t<T>, SProcessSpecifier> ||
             std::is_same_v<std::remove_cv_t<T>, SParamSpecifier> ||
             std::is_same_v<std::remove_cv_t<T>, SStemSpecifier>
constexpr bool kNeedsTarget<T*> = true;

template <typename Arg>
bool IsMissing(Arg arg)
{
    if constexpr (kNeedsTarget<Arg>)
        return arg == nullptr;
    else
        return false;
}

template <auto Operation, ECriticalSectionRule Rule>
struct SGroupRoutine;

template <typename... Args, ComponentResult (CProcessGroupInterface::*Operation)(Args...), ECriticalSectionRule Rule>
struct SGroupRoutine<Operation, Rule>
{
    static ComponentResult Call(Args... args)
    {
        if ((IsMissing(args) || ...))
            return kDAE_BadArgument;
        return CallGroup(SArgGroupFunc<Args...>(Operation, args...), Rule);
    }
};
