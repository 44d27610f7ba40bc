#pragma once
// One framework effect presented to the host as a library process: numbered controls with an
// optional master bypass in front of the effect's parameters, meters and clip lights, latency,
// side chain and the settings chunk, all answered from the effect. The effect reports back
// through PTAdapterCallback. The real-time and offline processes combine this base with the
// library's process of their kind.

#include <algorithm>
#include <cstdint>
#include <memory>

#include "CEffectProcess.h"
#include "IPTAdapterProcess.h"
#include "IPTAdapterUI.h"

class CPTAdapterView;
class QVEffect;

constexpr OSType kParameterChunkID = FourCC("qvck");

// The effect's callback; context is the process.
bool PTAdapterCallback(void* context, SInt32 code, SInt32 index, float value, void* data, SInt32 size);

class CPTAdapterProcess : public virtual CEffectProcess, private IPTAdapterProcess
{
public:
    CPTAdapterProcess(SInt32 pluginType, SInt32 channelMode);
    ~CPTAdapterProcess() override;

    // ---- Editor host interface
    QVEffect* GetQVEffect() override;
    void* ProcessGetModuleHandle() override;
    short ProcessUseResourceFile() override;
    void ProcessRestoreResourceFile(short previous) override;

    virtual bool HandleCallback(SInt32 code, SInt32 index, float value, void* data, SInt32 size);
    void EffectInit() override;

    // ---- Controls (index from 1)
    virtual bool IsValidControlIndex(SInt32 index);
    ComponentResult GetNumControls(SInt16* numControls) override;
    ComponentResult GetMasterBypassControl(SInt32* index) override;
    ComponentResult GetControlName(SInt32 index, char* out) override;
    ComponentResult GetControlNameOfLength(SInt32 index, char* out, SInt32 maxLen, OSType controllerType,
                                           SInt16* result) override;
    ComponentResult GetValueString(SInt32 index, SInt32 value, unsigned char* out, SInt32 maxLen) override;
    ComponentResult ConvertStringToValue(SInt32 index, SInt32* value, char* text) override;
    ComponentResult GetControlValue(SInt32 index, SInt32* value) override;
    ComponentResult SetControlValue(SInt32 index, SInt32 value) override;
    ComponentResult UpdateControlValue(SInt32 index, SInt32 value) override;
    virtual ComponentResult NotifyControlUpdate(SInt32 index, SInt32 value);
    ComponentResult UpdateControlGraphic(SInt32 index, SInt32 value) override;
    ComponentResult GetControlDefaultValue(SInt32 index, SInt32* value) override;
    ComponentResult SetControlDefaultValue(SInt32 index, SInt32 value) override;
    ComponentResult IsControlAutomatable(SInt32 index, SInt16* automatable) override;
    ComponentResult IsKeyValid(SInt32 index, SInt16 key, unsigned char* valid) override;
    ComponentResult GetControlType(SInt32 index, SInt32* type) override;
    ComponentResult GetNumControlSteps(SInt32 index, SInt32* numSteps) override;
    ComponentResult TouchControl(SInt32 index) override;
    ComponentResult ReleaseControl(SInt32 index) override;
    ComponentResult ChooseControl(Point where, SInt32* index) override;
    ComponentResult SetControlHighliteInfo(SInt32 index, SInt16 highlighted, SInt16 colour) override;

    // ---- Bypass, latency, side chain
    ComponentResult GetBypass(Boolean* bypassed) override;
    ComponentResult SetBypass(Boolean bypassed) override;
    void ConnectSidechain() override;
    void DisconnectSidechain() override;
    ComponentResult GetDelaySamplesLong(SInt32* samples) override;

    // ---- Settings chunk
    ComponentResult GetNumChunks(SInt32* numChunks) override;
    ComponentResult GetIndexedChunkID(SInt32 index, OSType* chunkID) override;
    ComponentResult DescribeChunk(OSType chunkID, unsigned char* name) override;
    ComponentResult GetChunkSize(OSType chunkID, SInt32* size) override;
    ComponentResult GetChunk(OSType chunkID, SFicPlugInChunk* chunk) override;
    ComponentResult SetChunk(OSType chunkID, const SFicPlugInChunk* chunk) override;
    ComponentResult CompareActiveChunk(const SFicPlugInChunk* chunk, Boolean* same) override;

    SInt16 DoTokenIdle() override;
    ComponentResult SetPreviewState(SInt32 state) override;

    // ---- Meters and clip lights (meter index from 1)
    ComponentResult GetClipState(Boolean* clipped) override;
    ComponentResult ClearClipState() override;
    ComponentResult GetNumMeters(SInt32* numMeters) override;
    ComponentResult GetMeterVal(SInt32 index, SInt32* value) override;
    ComponentResult GetMeterOrientation(SInt32 index, SInt32* orientation) override;
    ComponentResult GetNumMetersOfType(SInt32 meterType, SInt32* count) override;
    ComponentResult GetMeterIndexByType(SInt32 meterType, SInt32 nth, SInt32* index) override;
    // A hook for processes whose meters come from elsewhere.
    virtual void UpdateMetersFromDSPorRTAS();

    // ---- The editor in the host's plug-in window; the editor host is made on the first request
    // A root view of the editor's size holding one adapter view; null when anything fails.
    CPlugInView* CreateCPlugInView() override;
    ComponentResult SetViewPort(GrafPtr port) override;
    ComponentResult GetViewRect(Rect* rect) override;
    // The editor's resize request: width in the high half, height in the low half.
    virtual ComponentResult ResizeWindow(SInt32 width, SInt32 height);

protected:
    QVEffect& Effect() const { return *effect; }

private:
    // Indexes at the ends of the range saturate instead of wrapping onto a valid one.
    SInt32 ParameterOf(SInt32 index) const { return Saturated(int64_t(index) - masterBypassIndex - 1); }
    SInt32 ControlOf(SInt32 parameter) const { return Saturated(int64_t(parameter) + masterBypassIndex + 1); }
    static SInt32 Saturated(int64_t index)
    {
        return SInt32(std::clamp<int64_t>(index, INT32_MIN, INT32_MAX));
    }
    bool IsMasterBypass(SInt32 index) const { return masterBypassIndex != 0 && index == masterBypassIndex; }
    bool IsStepped(SInt32 parameter) const;
    bool EqualsCurrentState(const SFicPlugInChunk& chunk);
    void CreateUI();
    void ReadEditorRect();
    void SendWindowSizeToken();

    GrafPtr hostPort = nullptr;
    std::unique_ptr<IPTAdapterUI> ui;
    Rect editorRect = {};  // as the editor last reported it
    CPTAdapterView* adapterView = nullptr;  // the view tree owns it
    void* moduleHandle = nullptr;
    std::unique_ptr<QVEffect> effect;
    std::unique_ptr<QVEffect> formatEffect;
    SInt32 masterBypassIndex = 0;
    std::unique_ptr<Byte[]> compareBuffer;
    SInt32 previewState = 0;
};
