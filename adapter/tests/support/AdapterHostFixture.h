#pragma once
// The host's side for the adapter tests: the routines the host calls that the library's own
// host table does not spell out, and a fixture that loads the group as the module's entry does.
// By default the host offers no automation engine, so control changes apply at once.

#include <gtest/gtest.h>

#include "CAdapterTestGroup.h"
#include "CEffectProcess.h"
#include "CHostEngine.h"
#include "CPTAdapterProcess.h"
#include "CPlugInView.h"
#include "HostRoutines.h"
#include "SHostGrafPort.h"

inline bool operator==(const Rect& a, const Rect& b)
{
    return a.top == b.top && a.left == b.left && a.bottom == b.bottom && a.right == b.right;
}

constexpr SInt32 kHostHighest = SInt32(0x7FFFFFFF);
constexpr SInt32 kHostLowest = SInt32(0x80000000);

namespace host
{
inline Code DoMouseCommand(OSType t, SInt32 p, EventRecord* e) { return Routine<Code(OSType, SInt32, EventRecord*)>(1)(t, p, e); }
inline Code IsControlAutomatable(OSType t, SInt32 p, SInt32 c, SInt16* a) { return Routine<Code(OSType, SInt32, SInt32, SInt16*)>(41)(t, p, c, a); }
inline Code GetNumControlSteps(OSType t, SInt32 p, SInt32 c, SInt32* s) { return Routine<Code(OSType, SInt32, SInt32, SInt32*)>(42)(t, p, c, s); }
inline Code GetControlName(OSType t, SInt32 p, SInt32 c, char* o) { return Routine<Code(OSType, SInt32, SInt32, char*)>(44)(t, p, c, o); }
inline Code GetNumMeters(OSType t, SInt32 p, SInt32* n) { return Routine<Code(OSType, SInt32, SInt32*)>(53)(t, p, n); }
inline Code GetMeterVal(OSType t, SInt32 p, SInt32 m, SInt32* v) { return Routine<Code(OSType, SInt32, SInt32, SInt32*)>(54)(t, p, m, v); }
inline Code Prime(OSType t, SInt32 p, Boolean b) { return Routine<Code(OSType, SInt32, Boolean)>(72)(t, p, b); }
inline Code ChooseControl(OSType t, SInt32 p, Point w, SInt32* c) { return Routine<Code(OSType, SInt32, Point, SInt32*)>(87)(t, p, w, c); }
inline Code GetControlType(OSType t, SInt32 p, SInt32 c, SInt32* k) { return Routine<Code(OSType, SInt32, SInt32, SInt32*)>(88)(t, p, c, k); }
inline Code MapControlValToString(OSType t, SInt32 p, SInt32 c, SInt32 v, char* o, SInt32 n) { return Routine<Code(OSType, SInt32, SInt32, SInt32, char*, SInt32)>(90)(t, p, c, v, o, n); }
inline Code UpdateControlValue(OSType t, SInt32 p, SInt32 c, SInt32 v) { return Routine<Code(OSType, SInt32, SInt32, SInt32)>(99)(t, p, c, v); }
inline Code GetControlDefaultValue(OSType t, SInt32 p, SInt32 c, SInt32* v) { return Routine<Code(OSType, SInt32, SInt32, SInt32*)>(109)(t, p, c, v); }
inline Code SetControlHighliteInfo(OSType t, SInt32 p, SInt32 c, SInt16 h, SInt16 k) { return Routine<Code(OSType, SInt32, SInt32, SInt16, SInt16)>(127)(t, p, c, h, k); }
inline Code SetPreviewState(OSType t, SInt32 p, SInt32 s) { return Routine<Code(OSType, SInt32, SInt32)>(130)(t, p, s); }
inline Code GetDelaySamplesLong(OSType t, SInt32 p, SInt32* s) { return Routine<Code(OSType, SInt32, SInt32*)>(145)(t, p, s); }
inline Code GetMeterOrientation(OSType t, SInt32 p, SInt32 m, SInt32* o) { return Routine<Code(OSType, SInt32, SInt32, SInt32*)>(146)(t, p, m, o); }
inline Code GetNumMetersOfType(OSType t, SInt32 p, SInt32 k, SInt32* n) { return Routine<Code(OSType, SInt32, SInt32, SInt32*)>(147)(t, p, k, n); }
inline Code GetMeterIndexByType(OSType t, SInt32 p, SInt32 k, SInt32 nth, SInt32* m) { return Routine<Code(OSType, SInt32, SInt32, SInt32, SInt32*)>(148)(t, p, k, nth, m); }
inline Code ClearClipState(OSType t, SInt32 p) { return Routine<Code(OSType, SInt32)>(150)(t, p); }
} // namespace host

class CAdapterHostFixture : public testing::Test
{
protected:
    static constexpr SInt32 kRealTimeKind = 3;
    static constexpr SInt32 kOfflineKind = 1;

    void SetUp() override;
    void TearDown() override;
    // With the host's automation engine, control changes travel as tokens.
    void LoadGroup(bool withAutomation = false);
    SInt32 Instantiate(OSType type);
    CEffectProcess& Process(OSType type, SInt32 index) const;
    CPTAdapterProcess& AdapterProcess(OSType type, SInt32 index) const;
    template <typename Effect>
    Effect& EffectOf(OSType type, SInt32 index) const
    {
        return dynamic_cast<Effect&>(*AdapterProcess(type, index).GetQVEffect());
    }
    // The adapter view inside the process's root view.
    CPlugInView& AdapterView(OSType type, SInt32 index) const;
    // A mouse-down at the view's point.
    static ComponentResult Click(OSType type, SInt32 index, SInt16 x, SInt16 y);
    static GrafPtr PortOf(SHostGrafPort& port) { return reinterpret_cast<GrafPtr>(&port); }
    CRealTimeEngine& RealTime() { return CHostEngine::Instance().RealTime(); }
    CEngineSettings& Settings() { return CHostEngine::Instance().Settings(); }
};
