#pragma once
// The host's side of the routine table: each routine fetched by its selector through the
// module's door and called with the argument types the host passes.

#include <gtest/gtest.h>

#include "CHostEngine.h"
#include "CProcessGroup.h"
#include "PlugInExports.h"

template <typename Function>
Function* Routine(SInt32 selector)
{
    PlugInRoutine routine = nullptr;
    EXPECT_EQ(_PI_GetRoutineDescriptor(selector, &routine), 0) << "selector " << selector;
    return reinterpret_cast<Function*>(routine);
}

namespace host
{
using Code = ComponentResult;
inline Code Draw(OSType t, SInt32 p, Rect* r) { return Routine<Code(OSType, SInt32, Rect*)>(0)(t, p, r); }
inline Code DoIdle(OSType t, SInt32 p, const EventRecord* e) { return Routine<Code(OSType, SInt32, const EventRecord*)>(3)(t, p, e); }
inline Code GetViewRect(OSType t, SInt32 p, Rect* r) { return Routine<Code(OSType, SInt32, Rect*)>(4)(t, p, r); }
inline Code GetProcessTypeName(OSType t, SInt32 n, char* o) { return Routine<Code(OSType, SInt32, char*)>(5)(t, n, o); }
inline Code GetProcessTypeIDs(SInt32 i, OSType* m, OSType* p, OSType* t) { return Routine<Code(SInt32, OSType*, OSType*, OSType*)>(6)(i, m, p, t); }
inline Code SetSampleRate(SInt32 r) { return Routine<Code(SInt32)>(7)(r); }
inline Code GetNumAudioInputs(OSType t, SInt32 p, SInt16* n) { return Routine<Code(OSType, SInt32, SInt16*)>(10)(t, p, n); }
inline Code GetManufacturerName(SInt32 n, char* o) { return Routine<Code(SInt32, char*)>(12)(n, o); }
inline Code InstantiateProcess(OSType t, SInt32* i) { return Routine<Code(OSType, SInt32*)>(19)(t, i); }
inline Code FreeProcess(OSType t, SInt32 p) { return Routine<Code(OSType, SInt32)>(20)(t, p); }
inline Code GetNumProcessTypes(SInt16* n) { return Routine<Code(SInt16*)>(22)(n); }
inline Code CanOutputPortConnect(OSType t, SInt32 p, SInt32 port, Boolean* b) { return Routine<Code(OSType, SInt32, SInt32, Boolean*)>(28)(t, p, port, b); }
inline Code IsOutputPortConnected(OSType t, SInt32 p, SInt32 port, Boolean* b) { return Routine<Code(OSType, SInt32, SInt32, Boolean*)>(29)(t, p, port, b); }
inline Code ConnectInput(OSType t, SInt32 p, SInt32 port, void* c) { return Routine<Code(OSType, SInt32, SInt32, void*)>(30)(t, p, port, c); }
inline Code ConnectOutput(OSType t, SInt32 p, SInt32 port, void* c) { return Routine<Code(OSType, SInt32, SInt32, void*)>(31)(t, p, port, c); }
inline Code DisconnectInput(OSType t, SInt32 p, SInt32 port) { return Routine<Code(OSType, SInt32, SInt32)>(32)(t, p, port); }
inline Code DisconnectOutput(OSType t, SInt32 p, SInt32 port) { return Routine<Code(OSType, SInt32, SInt32)>(33)(t, p, port); }
inline Code SetBypass(OSType t, SInt32 p, Boolean b) { return Routine<Code(OSType, SInt32, Boolean)>(39)(t, p, b); }
inline Code GetNumControls(OSType t, SInt32 p, SInt16* n) { return Routine<Code(OSType, SInt32, SInt16*)>(40)(t, p, n); }
inline Code GetControlValue(OSType t, SInt32 p, SInt32 c, SInt32* v) { return Routine<Code(OSType, SInt32, SInt32, SInt32*)>(45)(t, p, c, v); }
inline Code SetControlValue(OSType t, SInt32 p, SInt32 c, SInt32 v) { return Routine<Code(OSType, SInt32, SInt32, SInt32)>(46)(t, p, c, v); }
inline Code SetViewPort(OSType t, SInt32 p, GrafPtr g) { return Routine<Code(OSType, SInt32, GrafPtr)>(47)(t, p, g); }
inline Code GetBypass(OSType t, SInt32 p, Boolean* b) { return Routine<Code(OSType, SInt32, Boolean*)>(51)(t, p, b); }
inline Code GetNumChunks(OSType t, SInt32 p, SInt32* n) { return Routine<Code(OSType, SInt32, SInt32*)>(62)(t, p, n); }
inline Code GetIndexedChunkID(OSType t, SInt32 p, SInt32 i, OSType* id) { return Routine<Code(OSType, SInt32, SInt32, OSType*)>(63)(t, p, i, id); }
inline Code DescribeChunk(OSType t, SInt32 p, OSType id, unsigned char* n) { return Routine<Code(OSType, SInt32, OSType, unsigned char*)>(64)(t, p, id, n); }
inline Code GetChunkSize(OSType t, SInt32 p, OSType id, SInt32* s) { return Routine<Code(OSType, SInt32, OSType, SInt32*)>(65)(t, p, id, s); }
inline Code GetChunk(OSType t, SInt32 p, OSType id, SFicPlugInChunk* c) { return Routine<Code(OSType, SInt32, OSType, SFicPlugInChunk*)>(66)(t, p, id, c); }
inline Code SetChunk(OSType t, SInt32 p, OSType id, const SFicPlugInChunk* c) { return Routine<Code(OSType, SInt32, OSType, const SFicPlugInChunk*)>(67)(t, p, id, c); }
inline Code GetRelatedProcessType(SPlugInSpec* s, SInt32 a, SInt32 b) { return Routine<Code(SPlugInSpec*, SInt32, SInt32)>(68)(s, a, b); }
inline Code EnablePlugInType(SInt32 k) { return Routine<Code(SInt32)>(91)(k); }
inline Code GetPlugInType(OSType t, SInt32* k) { return Routine<Code(OSType, SInt32*)>(92)(t, k); }
inline Code Gestalt(OSType t, SInt32 s, SInt32* v) { return Routine<Code(OSType, SInt32, SInt32*)>(93)(t, s, v); }
inline Code ProcessData(OSType t, SInt32 p, SInt32* n) { return Routine<Code(OSType, SInt32, SInt32*)>(105)(t, p, n); }
inline Code GetPlugInString(OSType t, SInt32 p, SInt32 s, unsigned char* o) { return Routine<Code(OSType, SInt32, SInt32, unsigned char*)>(108)(t, p, s, o); }
inline Code CompareActiveChunk(OSType t, SInt32 p, const SFicPlugInChunk* c, Boolean* s) { return Routine<Code(OSType, SInt32, const SFicPlugInChunk*, Boolean*)>(128)(t, p, c, s); }
inline Code GetControlNameOfLength(OSType t, SInt32 p, SInt32 c, char* o, SInt32 n, OSType ct, SInt16* r) { return Routine<Code(OSType, SInt32, SInt32, char*, SInt32, OSType, SInt16*)>(131)(t, p, c, o, n, ct, r); }
inline Code GetMasterBypassControl(OSType t, SInt32 p, SInt32* c) { return Routine<Code(OSType, SInt32, SInt32*)>(132)(t, p, c); }
inline Code GetClipState(OSType t, SInt32 p, Boolean* c) { return Routine<Code(OSType, SInt32, Boolean*)>(149)(t, p, c); }
} // namespace host

// The module loaded, its group made and started as the module's entry does, real-time and
// offline kinds enabled unless a test asks otherwise; everything freed at the end.
class CHostFixture : public testing::Test
{
protected:
    static constexpr SInt32 kRealTimeKind = 3;
    static constexpr SInt32 kOfflineKind = 1;

    void SetUp() override;
    void TearDown() override;
    void LoadGroup(bool enableKinds = true);
    SInt32 Instantiate(OSType type);
    CRealTimeEngine& RealTime() { return CHostEngine::Instance().RealTime(); }
    CEngineSettings& Settings() { return CHostEngine::Instance().Settings(); }
};
