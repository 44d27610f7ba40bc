// The routine table. Each routine is one line of the list: its selector, its name and the rule
// by which it enters the group's critical section.

#include "PlugInRoutines.h"

#include <array>

#include "CRoutineCaller.h"
#include "PlugInOwnRoutines.h"
#include "PlugInRoutineList.h"

namespace
{
constexpr auto ABOVE_98 = ECriticalSectionRule::eAboveNinetyEight;
constexpr auto HUNDRED_OR_MORE = ECriticalSectionRule::eHundredOrMore;
constexpr auto WHEN_SCOPE_NOT_ZERO = ECriticalSectionRule::eWhenScopeNotZero;

#define KELVARO_GROUP_ROUTINE(selector, name, rule) \
    constexpr auto PI_##name = &SGroupRoutine<&CProcessGroupInterface::name, rule>::Call;
#define KELVARO_NEVER_ROUTINE(selector, name, parameters) \
    ComponentResult PI_##name parameters                 \
    {                                                     \
        return 0;                                         \
    }
#define KELVARO_OWN_ROUTINE(selector, name)
KELVARO_PLUGIN_ROUTINES(KELVARO_GROUP_ROUTINE, KELVARO_NEVER_ROUTINE, KELVARO_OWN_ROUTINE)
#undef KELVARO_GROUP_ROUTINE
#undef KELVARO_NEVER_ROUTINE
#undef KELVARO_OWN_ROUTINE

using RoutineTable = std::array<PlugInRoutine, kNumRoutineSelectors>;

RoutineTable BuildRoutineTable()
{
    RoutineTable table = {};
#define KELVARO_TABLE_ENTRY(selector, name, ...) table[selector] = reinterpret_cast<PlugInRoutine>(PI_##name);
    KELVARO_PLUGIN_ROUTINES(KELVARO_TABLE_ENTRY, KELVARO_TABLE_ENTRY, KELVARO_TABLE_ENTRY)
#undef KELVARO_TABLE_ENTRY
    return table;
}
} // namespace

ComponentResult PI_GetRoutineDescriptor(SInt32 selector, PlugInRoutine* out)
{
    static const RoutineTable table = BuildRoutineTable();
    if (out == nullptr)
        return kDAE_BadArgument;
    *out = nullptr;
    if (selector < 0 || selector >= kNumRoutineSelectors || table[size_t(selector)] == nullptr)
        return kDAE_NoSuchRoutine;
    *out = table[size_t(selector)];
    return 0;
}
