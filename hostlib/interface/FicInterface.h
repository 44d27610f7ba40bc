#pragma once
// The host engine's C functions that the library calls, listed once. The engine exports them
// under these names; the library resolves them by name when the group starts (DAECalls.h).

#include "HostTypes.h"

struct OpaqueFicObject;
struct OpaqueFicType;
struct OpaqueFicCriticalSection;
struct SFicSDSToken;
struct SRTASInstanceBlock;
struct SRTGlobals;
class IPlugInServices;

using FicObjectRef = OpaqueFicObject*;                    // a server, token task or listener
using FicTypeRef = OpaqueFicType*;
using FicCriticalSectionRef = OpaqueFicCriticalSection*;
using FicSDSNameId = UInt32;                              // a reserved name; 0 is none
using FicTaskValue = void*;                               // handed back with each token
using FicRenderWorker = void (*)(SRTASInstanceBlock* block, SRTGlobals* globals);

constexpr SInt32 kFicListenerObjectType = 56;
constexpr SInt32 kFicTokenTaskObjectType = 57;

constexpr OSType kFicGestaltSharedDataTokens = FourCC("hsds");
constexpr OSType kFicGestaltVariableQuantum = FourCC("vqta");

#define KELVARO_DAE_CALLS(X)                                                                    \
    X(SInt16, InitFic, ())                                                                      \
    X(SInt16, FicGestalt, (OSType selector, SInt32 * answer))                                   \
    X(bool, FicIsAlive, ())                                                                     \
    X(FicObjectRef, FicNewServer, ())                                                           \
    X(FicTypeRef, FicFindStandardType, (FicObjectRef server, SInt32 kind))                      \
    X(FicObjectRef, FicNewObject, (FicObjectRef server, FicTypeRef type))                       \
    X(void, FicDelete, (FicObjectRef object))                                                   \
    X(FicCriticalSectionRef, FicCreateCriticalSection, ())                                      \
    X(void, FicEnterCriticalSection, (FicCriticalSectionRef section))                           \
    X(void, FicLeaveCriticalSection, (FicCriticalSectionRef section))                           \
    X(void, FicDeleteCriticalSection, (FicCriticalSectionRef section))                          \
    X(SInt16, FicSDSReserveName, (FicSDSNameId parent, const char* name, FicSDSNameId* id))     \
    X(SInt16, FicSDSGetNameId, (FicSDSNameId parent, const char* name, FicSDSNameId* id))       \
    X(SInt16, FicSDSFreeName, (FicSDSNameId parent, const char* name))                          \
    X(void, FicSDSSetListenerName, (FicObjectRef listener, FicSDSNameId name))                  \
    X(void, FicSDSSetListenerType, (FicObjectRef listener, OSType type))                        \
    X(void, FicSDSSetListenerSubType, (FicObjectRef listener, OSType subType))                  \
    X(void, FicSDSSetListenerGoal, (FicObjectRef listener, SInt32 goal))                        \
    X(void, FicSDSSetListenerCriticalFlag, (FicObjectRef listener, Boolean critical))           \
    X(void, FicSDSSetListenerLatestFlag, (FicObjectRef listener, Boolean latestOnly))           \
    X(void, FicSDSSetListenerTaskVal, (FicObjectRef listener, FicTaskValue value))              \
    X(void, FicSDSSetListenerTask, (FicObjectRef listener, FicObjectRef task))                  \
    X(void, FicSDSSetListenerProtocol, (FicObjectRef listener, OSType protocol))                \
    X(void, FicSDSSetListenerManufacturer, (FicObjectRef listener, OSType manufacturer))        \
    X(SInt16, FicSDSDispatchToken, (const SFicSDSToken* token))                                 \
    X(void, FicSDSGetTokenAndTaskVal,                                                           \
      (FicObjectRef task, SInt32 * tokenSize, FicTaskValue * taskValue, SFicSDSToken * *token)) \
    X(void, FicSDSDoneWithToken, (SFicSDSToken * token))                                        \
    X(SInt16, FicPersonalityDoIdle, ())                                                         \
    X(SInt32, FicGetMaximumRTASQuantum, ())                                                     \
    X(void, FicAppendNum, (SInt32 number, unsigned char* text, SInt32 reserved))                \
    X(SInt16, FicRegisterRTASInstance, (SRTASInstanceBlock * block, FicRenderWorker worker))    \
    X(void, FicUnregisterRTASInstance, (SRTASInstanceBlock * block))

#define KELVARO_DSI_CALLS(X) X(IPlugInServices*, GetPlugInServices, ())

// The host's plug-in services object.
class IPlugInServices
{
public:
    virtual ~IPlugInServices() = default;
    virtual SInt32 GetVersion() = 0;
    virtual FicCriticalSectionRef CreateCriticalSection() = 0;
    virtual bool TryToEnterCriticalSection(FicCriticalSectionRef section) = 0;
};
