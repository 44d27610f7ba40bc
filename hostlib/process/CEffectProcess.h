#pragma once
// The effect layer of a process: set-up from its effect type, the master bypass, meters and
// clip state through the meter manager, the chunk list with the library's own controls chunk,
// plug-in strings and the side-chain bookkeeping. Real-time and offline processes derive from
// it virtually, so that a plug-in's process can combine its own base with either of them.

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "CMeterManager.h"
#include "CProcess.h"
#include "ChunkDataParser.h"

constexpr OSType kControlsChunkID = FourCC("elck");
constexpr OSType kMIDIChunkID = FourCC("midi");
constexpr SInt32 kRegionNameString = 5;

class CEffectProcess : public virtual CProcess
{
public:
    CEffectProcess();

    ComponentResult Initialize() override;
    CPlugInView* CreateCPlugInView() override;
    virtual ComponentResult DoSetCursor(EventRecord* event);
    ComponentResult DescribeChunk(OSType chunkID, unsigned char* name) override;
    ComponentResult GetChunkSize(OSType chunkID, SInt32* size) override;
    ComponentResult GetChunk(OSType chunkID, SFicPlugInChunk* chunk) override;
    ComponentResult SetChunk(OSType chunkID, const SFicPlugInChunk* chunk) override;
    ComponentResult ClearClipState() override;
    ComponentResult GetSDSBaseName(char* out) override;
    ComponentResult GetMasterBypassControl(SInt32* index) override;
    ComponentResult GetBypass(Boolean* bypassed) override;
    ComponentResult SetBypass(Boolean bypassed) override;
    ComponentResult GetNumAudioInputs(SInt16* count) override;
    ComponentResult GetNumAudioOutputs(SInt16* count) override;
    ComponentResult DoKeyCommand(EventRecord* event, Boolean* handled) override;
    ComponentResult GetPlugInString(SInt32 selector, unsigned char* out) override;
    ComponentResult CompareActiveChunk(const SFicPlugInChunk* chunk, Boolean* same) override;
    ComponentResult GetIndexedChunkID(SInt32 index, OSType* chunkID) override;
    ComponentResult GetNumChunks(SInt32* numChunks) override;
    ComponentResult GetNumMeters(SInt32* numMeters) override;
    ComponentResult GetMeterVal(SInt32 index, SInt32* value) override;
    ComponentResult GetMeterOrientation(SInt32 index, SInt32* orientation) override;
    ComponentResult GetNumMetersOfType(SInt32 meterType, SInt32* count) override;
    ComponentResult GetMeterIndexByType(SInt32 meterType, SInt32 nth, SInt32* index) override;
    ComponentResult GetClipState(Boolean* clipped) override;
    ComponentResult GetNumAuxOutputStems(SInt32* numStems) override;
    ComponentResult GetAuxOutputStemInfo(SInt32 index, SInt32* format, char* name) override;

    // ---- Hooks
    // The plug-in configures its effect here, during initialisation.
    virtual void EffectInit();
    virtual SInt16 HandleKeystroke(EventRecord* event);
    virtual ComponentResult SetOrUpdateControlFromChunk(SInt32 index, bool update);
    virtual void LoadChunk(const SFicPlugInChunk* chunk);
    virtual void ConnectSidechain();
    virtual void DisconnectSidechain();

    void AddChunk(OSType chunkID, const char* name, SInt32 size);
    void DefineMasterBypassControlIndex(UInt32 index);
    void FilterControlIdOnSave(OSType controlID);
    void DefineDialogString(SInt32 id, const char* text);
    void DefineDLOGId(UInt16 id) { fDialogID = SInt16(id); }
    SInt16 GetDLOGId() const { return fDialogID; }
    // Takes ownership.
    void AddMeter(CPlugInMeter* meter);
    SInt32 GetNumInputs() const { return fNumAudioInputs; }
    SInt32 GetNumOutputs() const { return fNumAudioOutputs; }
    SInt32 GetSideChainInput() const { return fSideChainInput; }
    bool IsSideChainConnected() const { return fSideChainConnected; }
    // The side-chain input's connection number from 0 while it is connected, else -42.
    SInt32 GetSideChainConnectionNum() const;
    void GetMetersAndClipIndicators(SInt32* values, bool* clips);
    bool IsAuxOutputPort(SInt32) const { return false; }
    SInt32 GetNumAuxOutputPorts() const { return 0; }
    SInt32 GetPlugInKind() const { return fPlugInType; }

protected:
    SInt32 fMasterBypassIndex = 0;

private:
    bool BuildChunkData();
    bool ControlMatchesChunk(SInt32 index);
    bool OffersControlsChunk() const { return fSavedControlCount > 0; }

    ChunkDataParser fChunkParser;
    SInt32 fPlugInType = 0;
    bool fSideChainConnected = false;
    SInt32 fSideChainInput = 0;
    SInt32 fMeterCount = 0;
    std::vector<SInt32> fMeterValues;
    std::vector<bool> fClipFlags;
    std::vector<std::pair<OSType, std::string>> fChunkList;
    std::vector<SInt32> fChunkSizes;
    bool fHasOwnChunks = false;
    CMeterManager fMeterManager;
    SInt32 fControlsChunkSize = 0;
    std::set<OSType> fFilteredControlIds;
    SInt32 fSavedControlCount = 0;
    SInt32 fStemFormats[3] = {-1, -1, 0};
    SInt16 fDialogID = -1;
    std::vector<std::pair<SInt32, std::string>> fPlugInStrings;
};
