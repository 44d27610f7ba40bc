#pragma once
// The process base: one instance of the plug-in inside the host, addressed by its type and
// process index. Every operation answers a host error code, 0 for success, unless it is a plain
// accessor. The operations are declared in the order of the host's interface; the control part
// and the token registry are in CProcessControls.cpp, CProcessRegistry.cpp and CProcessTokens.cpp.

#include <atomic>

#include "CControlRegistry.h"
#include "CPluginControlManager.h"
#include "HostRecords.h"
#include "SGroupTiming.h"
#include "SFicPlugInChunk.h"
#include "SFicSDSToken.h"

// Grows with every instantiation; part of each process's namespace root name.
extern SInt32 gInstanciationNum;

constexpr OSType kControllerTypePcTL = FourCC("PcTL");
constexpr OSType kNoControlViewId = FourCC("NONE");
constexpr OSType kNoChunkID = FourCC("    ");

class CProcessType;
class CPlugInView;
using HostConnectionRef = void*;  // the host's connection object of a port

class CProcess
{
public:
    CProcess();
    CProcess(const CProcess&) = delete;
    CProcess& operator=(const CProcess&) = delete;

    // Creates and initialises the view; then, with a token task, the control registry (root
    // name, control names, listeners).
    virtual ComponentResult Initialize();
    virtual ComponentResult Free();
    virtual void SetProcessType(CProcessType* type);
    virtual ComponentResult DoIdle(const EventRecord* event);
    virtual SInt16 DoTokenIdle();

    // ---- View
    virtual ComponentResult Draw(Rect* area);
    virtual ComponentResult DoMouseCommand(EventRecord* event);
    virtual ComponentResult DoKeyCommand(EventRecord* event, Boolean* handled);
    virtual ComponentResult GetViewRect(Rect* rect);
    virtual ComponentResult SetViewPort(GrafPtr port);
    virtual ComponentResult SetViewOrigin(Point origin);

    // ---- Set-up
    virtual ComponentResult SetSampleRate(SInt32 rate);
    virtual ComponentResult SetDitherBits(SInt32 bits);
    virtual ComponentResult SetBypass(Boolean bypassed);
    virtual ComponentResult SetTimeCodeInfo(const STimeCodeInfo* info);
    virtual Byte GetFrameRate() const;
    virtual SInt32 GetFrameOffset() const;
    virtual void SetProcessTypeIndex(SInt16 index);
    virtual SInt16 GetProcessTypeIndex() const;
    virtual void SetProcessIndex(SInt16 index);
    virtual SInt16 GetProcessIndex() const;
    virtual void SetDriverRefNum(SInt32 refNum);
    virtual SInt32 GetDriverRefNum() const;
    virtual void SetHardwareRefNum(SInt32 refNum);
    virtual SInt32 GetHardwareRefNum() const;

    // ---- Ports (numbered from 1)
    virtual ComponentResult GetNumAudioInputs(SInt16* count) = 0;
    virtual ComponentResult GetNumAudioOutputs(SInt16* count) = 0;
    virtual ComponentResult SetNumAudioInputs(SInt16 count);
    virtual ComponentResult SetNumAudioOutputs(SInt16 count);
    virtual ComponentResult IsInputPortConnected(SInt32 port, Boolean* connected);
    virtual ComponentResult CanOutputPortConnect(SInt32 port, Boolean* canConnect);
    virtual ComponentResult IsOutputPortConnected(SInt32 port, Boolean* connected);
    virtual ComponentResult ConnectInput(SInt32 port, HostConnectionRef connection);
    virtual ComponentResult ConnectOutput(SInt32 port, HostConnectionRef connection);
    virtual ComponentResult DisconnectInput(SInt32 port);
    virtual ComponentResult DisconnectOutput(SInt32 port);

    // ---- Controls (index from 1)
    virtual ComponentResult GetNumControls(SInt16* numControls);
    virtual ComponentResult GetMasterBypassControl(SInt32* index);
    virtual ComponentResult IsControlAutomatable(SInt32 index, SInt16* automatable);
    virtual ComponentResult GetNumControlSteps(SInt32 index, SInt32* numSteps);
    virtual ComponentResult ConvertStringToValue(SInt32 index, SInt32* value, char* text);
    virtual ComponentResult IsKeyValid(SInt32 index, SInt16 key, unsigned char* valid);
    // out holds maxLen + 1 bytes and receives a length-prefixed text.
    virtual ComponentResult GetValueString(SInt32 index, SInt32 value, unsigned char* out, SInt32 maxLen);
    // out holds 32 bytes.
    virtual ComponentResult GetControlName(SInt32 index, char* out);
    virtual ComponentResult GetControlNameOfLength(SInt32 index, char* out, SInt32 maxLen,
                                                   OSType controllerType, SInt16* result);
    virtual ComponentResult GetProcessControlSDSName(SInt32 index, char* out);
    virtual ComponentResult GetControlValue(SInt32 index, SInt32* value);
    virtual ComponentResult SetControlValue(SInt32 index, SInt32 value);
    virtual ComponentResult SetControlRelative(SInt32 index, SInt32 delta);
    virtual ComponentResult GetControlDefaultValue(SInt32 index, SInt32* value);
    virtual ComponentResult SetControlDefaultValue(SInt32 index, SInt32 value);
    virtual ComponentResult GetControlValueInfo(SInt32 index, SInt32 selector, SInt32 value, SInt32* info);
    virtual ComponentResult SendRampRegion(SInt32 index, const SRampRegion* region);
    virtual ComponentResult GetAutoEventList(SInt32 index, SAutoEventList** list);
    virtual ComponentResult GetAutoEventTag(SInt32 index, void** tag);
    virtual ComponentResult GetNumControlPages(OSType controllerType, SInt32* numPages);
    virtual ComponentResult GetControlForPage(OSType controllerType, SInt32 page, SInt32 slot, SInt32* index);
    virtual ComponentResult HasCustomizedPageTable(OSType controllerType, Boolean* customized);

    // ---- Bypass and mute
    virtual ComponentResult GetBypass(Boolean* bypassed);
    virtual ComponentResult SetMute(Boolean muted);
    virtual ComponentResult GetMute(Boolean* muted);
    virtual ComponentResult GetBypassControlByCategory(OSType category, SInt32* index);

    // ---- Meters and clip state (meter index from 1)
    virtual ComponentResult GetNumMeters(SInt32* numMeters);
    virtual ComponentResult GetMeterVal(SInt32 index, SInt32* value);
    virtual ComponentResult GetMeterName(SInt32 index, char* out, SInt32 maxLen);
    virtual ComponentResult GetMeterOrientation(SInt32 index, SInt32* orientation);
    virtual ComponentResult GetNumMetersOfType(SInt32 meterType, SInt32* count);
    virtual ComponentResult GetMeterIndexByType(SInt32 meterType, SInt32 nth, SInt32* index);
    virtual ComponentResult GetClipState(Boolean* clipped);
    virtual ComponentResult ClearClipState();
    // values and clips hold one entry per meter.
    virtual ComponentResult GetMetersFromDSPorRTAS(SInt32* values, bool* clips);

    // ---- Drag and drop
    virtual ComponentResult DrawDragAndDropHilight(Boolean highlighted);
    virtual ComponentResult BeginDragData();
    virtual ComponentResult RegisterDragData(const SDragData* data);
    virtual ComponentResult CompleteDragData();
    virtual ComponentResult DropData(Point where, Boolean* accepted);

    // ---- Chunks
    virtual ComponentResult GetNumChunks(SInt32* numChunks);
    virtual ComponentResult GetIndexedChunkID(SInt32 index, OSType* chunkID);
    // name holds 32 bytes and receives a length-prefixed text.
    virtual ComponentResult DescribeChunk(OSType chunkID, unsigned char* name);
    virtual ComponentResult GetChunkSize(OSType chunkID, SInt32* size);
    virtual ComponentResult GetChunk(OSType chunkID, SFicPlugInChunk* chunk);
    virtual ComponentResult SetChunk(OSType chunkID, const SFicPlugInChunk* chunk);
    virtual ComponentResult CompareActiveChunk(const SFicPlugInChunk* chunk, Boolean* same);
    virtual ComponentResult GetNumChanges(SInt32* numChanges);
    virtual ComponentResult DoCustomPlugInSettingsFile(SInt32 action, const SFilePathList* files);
    virtual ComponentResult SpecifyLoadPlugInSettingsFileCallback(HostCallback callback, void* context);

    // ---- Automation and timing
    virtual ComponentResult BoundAutoSegment(SInt32 index, SInt32* start, SInt32* end);
    virtual ComponentResult SetControlOverride(SInt32 index, Boolean overridden);
    virtual ComponentResult Prime(Boolean priming);
    virtual ComponentResult GetDelaySamples(SInt16* samples);
    virtual ComponentResult GetDelaySamplesLong(SInt32* samples);
    virtual ComponentResult ActivateWindow();
    virtual ComponentResult DeactivateWindow();

    // ---- Connection formats and offline processing
    virtual ComponentResult GetConnectionFormat(SInt32 port, Boolean isInput, SConnectionFormat* format);
    virtual ComponentResult SetConnectionFormat(SInt32 port, Boolean isInput, const SConnectionFormat* format);
    virtual ComponentResult GetNumParamFormats(SInt32 port, Boolean isInput, SInt32* count);
    virtual ComponentResult GetIndexParamFormat(SInt32 port, Boolean isInput, SInt32 index,
                                                SConnectionFormat* format);
    virtual ComponentResult InitOutputBounds();
    virtual ComponentResult SetOutputBounds(SInt32 port, SInt32 start, SInt32 end);
    virtual ComponentResult TranslateOutputSampleNum(SInt32 sample, SInt32* translated);
    virtual ComponentResult AnalyzeData(SInt32* samples);
    virtual ComponentResult ProcessData(SInt32* samples);

    // ---- Token registry
    virtual ComponentResult SetRootName(FicSDSNameId parent);
    virtual ComponentResult RegisterControls();
    virtual ComponentResult RegisterListeners();
    virtual ComponentResult UnRegisterRoot();
    virtual ComponentResult UnRegisterControls();
    virtual ComponentResult UnRegisterListeners();

    // ---- Values reaching the process and its view
    virtual ComponentResult UpdateHighlight(SInt32 index, SInt16 highlighted, SInt16 color, SInt16 style,
                                            const char* text);
    virtual ComponentResult UpdateControlGraphic(SInt32 index, SInt32 value);
    virtual ComponentResult UpdateControlValue(SInt32 index, SInt32 value);
    virtual ComponentResult UpdateControlValueInAlgorithm(SInt32 index);
    virtual ComponentResult UpdateControlRelative(SInt32 index, SInt32 delta);
    virtual ComponentResult GetControlPriority(SInt32 index, SInt32* priority);
    virtual ComponentResult GetControlType(SInt32 index, SInt32* type);
    virtual ComponentResult GetControlOrientation(SInt32 index, SInt32* orientation);
    virtual ComponentResult GetProcessNameID(FicSDSNameId* id);
    virtual ComponentResult GetControlNameID(SInt32 index, FicSDSNameId* id);
    virtual ComponentResult MapControlValToString(SInt32 index, SInt32 value, char* out, SInt32 maxLen);
    virtual ComponentResult GetControlHighliteInfo(SInt32 index, SInt16* highlighted, SInt16* color);
    virtual ComponentResult SetControlHighliteInfo(SInt32 index, SInt16 highlighted, SInt16 color);
    virtual ComponentResult TouchControl(SInt32 index);
    virtual ComponentResult ReleaseControl(SInt32 index);
    virtual ComponentResult ChooseControl(Point where, SInt32* index);
    // out holds 256 bytes.
    virtual ComponentResult GetSDSBaseName(char* out);
    // out holds 256 bytes and receives a length-prefixed text.
    virtual ComponentResult GetPlugInString(SInt32 selector, unsigned char* out);
    virtual ComponentResult SetLocationTempo(SInt32 location, SInt32 tempo);
    virtual ComponentResult GetProcessControlViewId(SInt32 index, OSType* viewId);
    virtual ComponentResult SetPreviewState(SInt32 state);
    virtual ComponentResult HandleToken(const SFicSDSToken* token);

    // ---- Parent and child processes, delays, host services
    virtual ComponentResult GetParentPlugInSpec(SPlugInSpec* spec);
    virtual ComponentResult SetParentPlugInSpec(const SPlugInSpec* spec);
    virtual ComponentResult GetInputPortForChildPort(SInt32 childPort, SInt32* port);
    virtual ComponentResult GetOutputPortForChildPort(SInt32 childPort, SInt32* port);
    virtual ComponentResult SetUseDoublePrecisionIO(Boolean doublePrecision);
    virtual ComponentResult GetNumAuxOutputStems(SInt32* numStems);
    virtual ComponentResult GetAuxOutputStemInfo(SInt32 index, SInt32* format, char* name);
    virtual ComponentResult GetIACFUnknown(void** unknown);
    virtual ComponentResult SetInputDelaySamples(SInt32 samples);
    virtual ComponentResult GetInputDelaySamples(SInt32* samples);
    virtual ComponentResult GetMaxDelaySamples(SInt32* samples);
    virtual ComponentResult SetInputMonitorDelaySamples(SInt32 samples);
    virtual ComponentResult GetInputMonitorDelaySamples(SInt32* samples);
    virtual ComponentResult UseInputMonitorDelay(Boolean used);
    virtual ComponentResult SpecifyFindAndRelinkCallback(HostCallback callback, void* context);
    virtual ComponentResult ReturnFindAndRelinkFiles(const SFilePathList* files);
    virtual ComponentResult SetFilePathsForSessionCopy(const SFilePathList* files);
    virtual ComponentResult ResetPlugInState();
    virtual ComponentResult ReleaseMIDI();
    virtual void SetClipped(bool clipped);
    virtual ~CProcess();
    // The process's library view; null for a process that draws nothing of the library's own.
    virtual CPlugInView* CreateCPlugInView();
    virtual bool WeHaveVariableNumInputs();
    virtual bool WeHaveVariableNumOutputs();
    virtual ComponentResult GetPageTableList(OSType controllerType, SInt32* numTables);

    void AddControl(CPluginControl* control);
    CProcessType* GetProcessType() const { return fProcessType; }
    CPlugInView* GetView() const { return fView; }
    SInt32 GetSampleRate() const { return fSampleRate; }
    bool IsClipped() const { return fClipped; }
    bool MetersUpdated() const { return fMetersUpdated.load(std::memory_order_relaxed); }
    void SetMetersUpdated(bool updated) { fMetersUpdated.store(updated, std::memory_order_relaxed); }

protected:
    CPluginControlManager fControls;
    SInt16 fNumAudioInputs = 0;
    SInt16 fNumAudioOutputs = 0;

private:
    explicit CProcess(const SGroupTiming& timing);
    ComponentResult InitializeView();
    void DeleteView();
    bool HasTokenTask() const;
    bool IsRegistered(SInt32 index) const;
    SInt16 SendValueToken(SInt32 index, OSType type, SInt32 value);
    SInt16 SendTouchToken(SInt32 index, bool touched);
    SInt16 SendGIACToken();
    void HandleQueuedToken(SInt32 index, const SFicSDSToken& token);
    FicObjectRef NewControlListener(SInt32 index, OSType type, OSType subType);
    CPluginControl* FindControl(SInt32 index) const;

    CProcessType* fProcessType = nullptr;
    SInt16 fProcessTypeIndex = -1;
    SInt16 fProcessIndex = -1;
    SInt32 fDriverRefNum = 0;
    SInt32 fHardwareRefNum = 0;
    CPlugInView* fView = nullptr;
    SInt32 fSampleRate;
    bool fClipped = false;
    Byte fFrameRate;
    SInt32 fFrameOffset;
    // Set by the render worker after each block, read and cleared by the meter poll.
    std::atomic<bool> fMetersUpdated{true};
    SInt32 fLocationTempo = 0;
    SInt32 fPreviewState = 0;
    SPlugInSpec fParentPlugInSpec = {};
    CControlRegistry fRegistry;
    bool fUsesTokens = false;  // a token task existed when the process initialised
    FicSDSNameId fProcessNameId = 0;
    FicSDSNameId fNamespaceRootId = 0;
    SInt32 fNumChanges = 0;
};
