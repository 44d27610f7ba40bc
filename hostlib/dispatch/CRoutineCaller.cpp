#include "CRoutineCaller.h"

#include <new>

#include "CDAEError.h"
#include "CProcessGroup.h"

namespace
{
ComponentResult RunGuarded(const SGenFuncRetLong& record, CProcessGroupInterface& group)
{
    try
    {
        return record.Call(group);
    }
    catch (const CDAEError& error)
    {
        return error.Code();
    }
    catch (const std::bad_alloc&)
    {
        return kDAE_OutOfMemory;
    }
    catch (...)
    {
        return kDAE_UnexpectedException;
    }
}
} // namespace

bool UsesCriticalSection(ECriticalSectionRule rule, SInt32 scope)
{
    switch (rule)
    {
    case ECriticalSectionRule::eAboveNinetyEight:
        return scope > 98;
    case ECriticalSectionRule::eHundredOrMore:
        return scope >= 100;
    case ECriticalSectionRule::eWhenScopeNotZero:
        return scope != 0;
    }
    return true;
}

ComponentResult CallGroup(const SGenFuncRetLong& record, ECriticalSectionRule rule)
{
    CProcessGroupInterface* group = gProcessGroup;
    if (group == nullptr)
        return kDAE_NilObject;
    const bool entered = UsesCriticalSection(rule, CProcessGroupInterface::sCriticalSectionScope);
    if (entered)
        group->EnterCriticalSection();
    const ComponentResult result = RunGuarded(record, *group);
    if (entered)
        group->LeaveCriticalSection();
    return result;
}
