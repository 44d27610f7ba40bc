#include "CAutomation.h"

#include <cstring>

void CAutomation::Watch(CHostProcess& process)
{
    for (SInt32 index = 1; index <= process.NumControls(); ++index)
        if (const FicSDSNameId id = process.ControlNameID(index); id != 0)
            fControls[id] = {&process, index};
}

void CAutomation::Forget(CHostProcess& process)
{
    std::erase_if(fControls, [&process](const auto& entry) { return entry.second.process == &process; });
}

void CAutomation::Pump()
{
    while (const auto token = fSeam.NextToken())
        if (token->size() >= sizeof(SFicSDSToken))
            Handle(*reinterpret_cast<const SFicSDSToken*>(token->data()));
}

void CAutomation::Handle(const SFicSDSToken& token)
{
    const auto control = fControls.find(token.fTarget);
    if (token.fType != kTokenSetValue || control == fControls.end())
        return;
    if (SFicSDSTouchToken touch{}; token.fSubType == kTokenTouch && ReadTokenAs(token, touch))
        fTouchesOpen += touch.fTouched != 0 ? 1 : -1;
    if (SFicSDSValueToken value{}; token.fSubType == kTokenControlValue && ReadTokenAs(token, value))
    {
        CHostProcess& process = *control->second.process;
        process.Routines().UpdateControlValue(process.Type(), process.Index(), control->second.index, value.fValue);
    }
}
