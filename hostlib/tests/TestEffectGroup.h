#pragma once
// A small effect group for driving the library as the host does: a mono and a stereo real-time
// type (the stereo one with a side-chain input) and an offline type, whose processes have a
// continuous control, a three-step control and a master bypass, and record what reaches them.

#include <atomic>
#include <functional>

#include "CEffectGroup.h"
#include "CEffectProcessAS.h"
#include "CEffectProcessRTAS.h"
#include "CEffectType.h"
#include "TestControl.h"

constexpr OSType kTestMaker = FourCC("tstm");
constexpr OSType kTestProduct = FourCC("tsfx");
constexpr OSType kMonoType = FourCC("TMNO");
constexpr OSType kStereoType = FourCC("TSTR");
constexpr OSType kOfflineType = FourCC("TOFF");
constexpr UInt32 kTestVersion = 0x01020304;
constexpr SInt32 kGainControl = 1;
constexpr SInt32 kModeControl = 2;
constexpr SInt32 kBypassControl = 3;
constexpr float kTestGain = 0.5f;

// A control of the test processes: its id, kind and step count as given.
class CGroupTestControl : public CTestControl
{
public:
    CGroupTestControl(OSType id, SInt32 type, SInt32 steps, std::string names)
        : CTestControl(std::move(names)), fID(id), fType(type), fSteps(steps)
    {
    }
    OSType GetID() const override { return fID; }
    SInt32 GetControlType() const override { return fType; }
    SInt32 GetNumSteps() const override { return fSteps; }

private:
    OSType fID;
    SInt32 fType;
    SInt32 fSteps;
};

// What the host-side tests set for the next processes made, and what those processes saw.
struct SProcessProbe
{
    std::function<void()> onOperation;   // runs inside GetControlValue and DoIdle
    std::atomic<bool> renderThrows{false};
    std::atomic<bool> renderedOnEngineThread{false};
    std::atomic<bool> renderedElsewhere{false};
    std::atomic<SInt32> lastBlockLength{0};
    std::atomic<SInt32> blocksRendered{0};
    SInt32 depthInOperation = -1;
    SInt32 viewDraws = 0;
    bool withoutControlList = false;      // counts three controls but lists none
    bool withMeters = false;              // two meters, read from meterValues and meterClips
    SInt32 meterValues[2] = {};
    bool meterClips[2] = {};
    SInt32 meterReads = 0;

    void Reset();
};

extern SProcessProbe gProbe;

void AddTestControls(CEffectProcess& process);

class CTestProcessRTAS : public CEffectProcessRTAS
{
public:
    CTestProcessRTAS();
    ComponentResult GetNumControls(SInt16* count) override;
    ComponentResult GetControlValue(SInt32 index, SInt32* value) override;
    ComponentResult DoIdle(const EventRecord* event) override;
    ComponentResult Draw(Rect* area) override;
    CPlugInView* CreateCPlugInView() override;
    void RenderAudio(float** inputs, float** outputs, SInt32 numSamples) override;
    ComponentResult GetMetersFromDSPorRTAS(SInt32* values, bool* clips) override;
};

class CTestProcessAS : public CEffectProcessAS
{
public:
    CTestProcessAS();
    ComponentResult ProcessData(SInt32* samples) override;
    SInt32 ProcessAudio(bool bypassed) override;
};

class CTestEffectGroup : public CEffectGroup
{
public:
    CTestEffectGroup();
    void CreateEffectTypes() override;
};
