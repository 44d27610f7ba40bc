#pragma once
// A plug-in type of the effect layer: its ids and names, channel counts and stem formats,
// sample-rate support, gestalts and the creator of its processes.

#include <set>
#include <string>

#include "CProcessType.h"

class CEffectProcess;

enum EPlugIn_StemFormat : SInt32
{
    ePlugIn_StemFormat_Generic = -1,
    ePlugIn_StemFormat_Mono = 0,
    ePlugIn_StemFormat_Stereo = 1
};

// Channels of a stem format; 0 for a format without a fixed count.
SInt32 ChannelsOfStemFormat(EPlugIn_StemFormat format);

constexpr SInt32 kGestaltSideChain = 5;
constexpr SInt32 kGestaltStemFormats = 29;

class CEffectType : public CProcessType
{
public:
    using ProcessCreator = CEffectProcess* (*)();

    CEffectType(OSType plugInOSType, OSType productID, SInt32 plugInKind, UInt32 categoryAnswer);

    // ---- Definers
    void DefineTypeNames(const char* names);
    void DefineRelationID(OSType id);
    void DefineSampleRateSupport(SInt32 value);
    void DefineSampleRateSupportForCardType(SInt32 value, SInt32 cardKind);
    void DefineStemFormats(EPlugIn_StemFormat input, EPlugIn_StemFormat output, EPlugIn_StemFormat third);
    void DefineGenericNumInputsAndOutputs(SInt32 inputs, SInt32 outputs);
    virtual void AddGestalt(SInt32 selector);
    void RemoveGestalt(SInt32 selector);
    void AttachEffectProcessCreator(ProcessCreator creator, void* context);
    void DefinePageTableName(const char* name);

    // ---- Answers
    OSType GetPlugInOSType() const override { return fPlugInOSType; }
    void GetProductAndRelationIDs(OSType* product, OSType* relation) const;
    void GetStemFormats(EPlugIn_StemFormat* input, EPlugIn_StemFormat* output, EPlugIn_StemFormat* third) const;
    ComponentResult GetStemFormats(SInt32* input, SInt32* output, SInt32* third) override;
    SInt32 GetNumInputs() const { return fInputs; }
    SInt32 GetNumOutputs() const { return fOutputs; }
    SInt32 GetSampleRateSupportForCardType(SInt32 cardKind) const;
    ComponentResult GetProcessTypeName(SInt32 maxLen, char* out) override;
    ComponentResult GetNumAudioInputs(SInt32 processIndex, SInt16* count) override;
    ComponentResult GetNumAudioOutputs(SInt32 processIndex, SInt16* count) override;
    ComponentResult GetPageTableResourceName(unsigned char* out) override;
    ComponentResult DoSetCursor(SInt32 processIndex, EventRecord* event) override;
    ComponentResult Gestalt(SInt32 selector, SInt32* value) override;
    CProcess* CreateCDSPProcess() override;

    ComponentResult GetChunk(SInt32 processIndex, OSType chunkID, SFicPlugInChunk* chunk) override;
    ComponentResult SetChunk(SInt32 processIndex, OSType chunkID, const SFicPlugInChunk* chunk) override;
    ComponentResult CompareActiveChunk(SInt32 processIndex, const SFicPlugInChunk* chunk, Boolean* same) override;

private:
    SInt32 SampleRateSupport() const;

    std::set<SInt32> fGestalts;
    std::string fTypeNames;
    OSType fPlugInOSType;
    OSType fProductID;
    OSType fRelationID;
    UInt32 fCategoryAnswer;
    SInt32 fInputs = 0;
    SInt32 fOutputs = 0;
    EPlugIn_StemFormat fStemFormats[3] = {ePlugIn_StemFormat_Generic, ePlugIn_StemFormat_Generic,
                                          ePlugIn_StemFormat_Mono};
    std::string fPageTableName;
    SInt32 fSampleRateSupport = 1;
    SInt32 fCardSampleRateSupport[4] = {1, 1, 1, 1};  // card kinds 18, 21, 26, 29
    ProcessCreator fCreator = nullptr;
};

// A real-time type: each new process gets its host plug-in object, through which the host's
// real-time engine renders it.
class CEffectTypeRTAS : public CEffectType
{
public:
    CEffectTypeRTAS(OSType plugInOSType, OSType productID, UInt32 categoryAnswer);
    void AddGestalt(SInt32 selector) override;

protected:
    ComponentResult ProcessInstantiated(CProcess& process) override;
};

// An offline type.
class CEffectTypeAS : public CEffectType
{
public:
    CEffectTypeAS(OSType plugInOSType, OSType productID, UInt32 categoryAnswer);

protected:
    ComponentResult ProcessInstantiated(CProcess& process) override;
};
