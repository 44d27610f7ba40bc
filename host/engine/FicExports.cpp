// The engine's C functions, exported by name. Each routes to the engine object.

#include "CFicCriticalSection.h"
#include "CHostEngine.h"
#include "FicExports.h"
#include "FicErrors.h"
#include "PascalText.h"

namespace
{
CHostEngine& Engine()
{
    return CHostEngine::Instance();
}

CFicCriticalSection* SectionOf(FicCriticalSectionRef section)
{
    return reinterpret_cast<CFicCriticalSection*>(section);
}

template <typename Value>
void SetListener(FicObjectRef listener, Value SListenerSettings::*field, Value value)
{
    Engine().Tokens().ConfigureListener(listener, [&](SListenerSettings& settings) { settings.*field = value; });
}
} // namespace

extern "C" SInt16 InitFic()
{
    return Engine().Settings().fInitFicResult;
}

extern "C" SInt16 FicGestalt(OSType selector, SInt32* answer)
{
    return Engine().Settings().Gestalt(selector, answer);
}

extern "C" bool FicIsAlive()
{
    return Engine().Settings().fAlive;
}

extern "C" FicObjectRef FicNewServer()
{
    return Engine().Tokens().NewServer();
}

extern "C" FicTypeRef FicFindStandardType(FicObjectRef server, SInt32 kind)
{
    return Engine().Tokens().FindStandardType(server, kind);
}

extern "C" FicObjectRef FicNewObject(FicObjectRef server, FicTypeRef type)
{
    return Engine().Tokens().NewObject(server, type);
}

extern "C" void FicDelete(FicObjectRef object)
{
    Engine().Tokens().Delete(object);
}

extern "C" FicCriticalSectionRef FicCreateCriticalSection()
{
    return Engine().Services().CreateCriticalSection();
}

extern "C" void FicEnterCriticalSection(FicCriticalSectionRef section)
{
    if (section != nullptr)
        SectionOf(section)->Enter();
}

extern "C" void FicLeaveCriticalSection(FicCriticalSectionRef section)
{
    if (section != nullptr)
        SectionOf(section)->Leave();
}

extern "C" void FicDeleteCriticalSection(FicCriticalSectionRef section)
{
    delete SectionOf(section);
}

extern "C" SInt16 FicSDSReserveName(FicSDSNameId parent, const char* name, FicSDSNameId* id)
{
    return Engine().Names().ReserveName(parent, name, id);
}

extern "C" SInt16 FicSDSGetNameId(FicSDSNameId parent, const char* name, FicSDSNameId* id)
{
    return Engine().Names().GetNameId(parent, name, id);
}

extern "C" SInt16 FicSDSFreeName(FicSDSNameId parent, const char* name)
{
    return Engine().Names().FreeName(parent, name);
}

extern "C" void FicSDSSetListenerName(FicObjectRef listener, FicSDSNameId name)
{
    SetListener(listener, &SListenerSettings::name, name);
}

extern "C" void FicSDSSetListenerType(FicObjectRef listener, OSType type)
{
    SetListener(listener, &SListenerSettings::type, type);
}

extern "C" void FicSDSSetListenerSubType(FicObjectRef listener, OSType subType)
{
    SetListener(listener, &SListenerSettings::subType, subType);
}

extern "C" void FicSDSSetListenerGoal(FicObjectRef listener, SInt32 goal)
{
    SetListener(listener, &SListenerSettings::goal, goal);
}

extern "C" void FicSDSSetListenerCriticalFlag(FicObjectRef listener, Boolean critical)
{
    SetListener(listener, &SListenerSettings::critical, critical != 0);
}

extern "C" void FicSDSSetListenerLatestFlag(FicObjectRef listener, Boolean latestOnly)
{
    SetListener(listener, &SListenerSettings::latestOnly, latestOnly != 0);
}

extern "C" void FicSDSSetListenerTaskVal(FicObjectRef listener, FicTaskValue value)
{
    SetListener(listener, &SListenerSettings::taskValue, value);
}

extern "C" void FicSDSSetListenerTask(FicObjectRef listener, FicObjectRef task)
{
    Engine().Tokens().SetListenerTask(listener, task);
}

extern "C" void FicSDSSetListenerProtocol(FicObjectRef listener, OSType protocol)
{
    SetListener(listener, &SListenerSettings::protocol, protocol);
}

extern "C" void FicSDSSetListenerManufacturer(FicObjectRef listener, OSType manufacturer)
{
    SetListener(listener, &SListenerSettings::manufacturer, manufacturer);
}

extern "C" SInt16 FicSDSDispatchToken(const SFicSDSToken* token)
{
    return Engine().Tokens().Dispatch(token);
}

extern "C" void FicSDSGetTokenAndTaskVal(FicObjectRef task, SInt32* tokenSize, FicTaskValue* taskValue,
                                         SFicSDSToken** token)
{
    Engine().Tokens().GetTokenAndTaskValue(task, tokenSize, taskValue, token);
}

extern "C" void FicSDSDoneWithToken(SFicSDSToken* token)
{
    Engine().Tokens().DoneWithToken(token);
}

extern "C" SInt16 FicPersonalityDoIdle()
{
    ++Engine().Settings().fPersonalityIdleCalls;
    return kFicNoError;
}

extern "C" SInt32 FicGetMaximumRTASQuantum()
{
    return Engine().Settings().fMaximumRTASQuantum;
}

extern "C" void FicAppendNum(SInt32 number, unsigned char* text, SInt32)
{
    if (text != nullptr)
        AppendDecimal(number, text);
}

extern "C" SInt16 FicRegisterRTASInstance(SRTASInstanceBlock* block, FicRenderWorker worker)
{
    return Engine().RealTime().Register(block, worker);
}

extern "C" void FicUnregisterRTASInstance(SRTASInstanceBlock* block)
{
    Engine().RealTime().Unregister(block);
}

extern "C" IPlugInServices* GetPlugInServices()
{
    return &Engine().Services();
}
