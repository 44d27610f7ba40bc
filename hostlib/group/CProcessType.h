#pragma once
// One variant of the plug-in that the host can insert. A type creates, numbers, finds and
// frees the processes of its variant and owns them.

#include <memory>
#include <vector>

#include "CProcess.h"
#include "DAEErrorCodes.h"
#include "SGroupTiming.h"

class CProcessGroup;

enum EPlugInKind : SInt32
{
    ePlugInKindDSPCard = 0,
    ePlugInKindOffline = 1,
    ePlugInKindRealTime = 3
};

class CProcessType
{
public:
    explicit CProcessType(SInt32 plugInKind);
    virtual ~CProcessType();
    CProcessType(const CProcessType&) = delete;
    CProcessType& operator=(const CProcessType&) = delete;

    virtual ComponentResult Initialize();
    virtual OSType GetPlugInOSType() const = 0;
    // Makes a new process of this type; null when it could not be made.
    virtual CProcess* CreateCDSPProcess() = 0;
    // Creates, numbers and initialises a process; answers its index.
    virtual ComponentResult InstantiateProcess(SInt32* processIndex);
    virtual ComponentResult FreeProcess(SInt32 processIndex);
    virtual ComponentResult Gestalt(SInt32 selector, SInt32* value);
    virtual ComponentResult GetProcessTypeName(SInt32 maxLen, char* out) = 0;
    virtual ComponentResult GetProcessTypeFlags(SInt32* flags);
    virtual ComponentResult IsIOProcessType(Boolean* isIO);
    virtual ComponentResult GetNumAudioInputs(SInt32 processIndex, SInt16* count);
    virtual ComponentResult GetNumAudioOutputs(SInt32 processIndex, SInt16* count);
    virtual ComponentResult DoSetCursor(SInt32 processIndex, EventRecord* event);
    virtual ComponentResult GetStemFormats(SInt32* input, SInt32* output, SInt32* third);
    virtual ComponentResult GetDSPCoreTypeList(SInt32* count, SInt32* list);
    virtual ComponentResult GetXMLPageTableForType(OSType controllerType, char* out, SInt32 maxLen);
    virtual ComponentResult GetXMLPageTableSizeForType(OSType controllerType, SInt32* size);
    virtual ComponentResult GetPageTableList(OSType controllerType, SInt32* numTables);
    // out holds 256 bytes and receives a length-prefixed text.
    virtual ComponentResult GetPageTableResourceName(unsigned char* out);
    virtual ComponentResult GetChunk(SInt32 processIndex, OSType chunkID, SFicPlugInChunk* chunk);
    virtual ComponentResult SetChunk(SInt32 processIndex, OSType chunkID, const SFicPlugInChunk* chunk);
    virtual ComponentResult CompareActiveChunk(SInt32 processIndex, const SFicPlugInChunk* chunk, Boolean* same);
    virtual ComponentResult GetPlugInString(SInt32 processIndex, SInt32 selector, unsigned char* out);
    virtual ComponentResult SetSampleRate(SInt32 rate);
    virtual ComponentResult SetDitherBits(SInt32 bits);

    // Turns this type on when it is of that kind; answers whether it changed.
    bool EnablePlugInType(SInt32 kind);
    bool IsVisible() const { return fEnabled != 0 || fPlugInKind == ePlugInKindDSPCard; }
    SInt32 GetPlugInType() const { return fPlugInKind; }
    void SetProcessGroup(CProcessGroup* group) { fProcessGroup = group; }
    CProcessGroup* GetProcessGroup() const { return fProcessGroup; }
    void SetTypeIndex(SInt16 index) { fTypeIndex = index; }
    SInt16 GetTypeIndex() const { return fTypeIndex; }
    size_t GetNumProcesses() const { return fProcesses.size(); }

    // The live process with that index; null for none (and for an index of 0 or less).
    CProcess* GetProcessFromIndex(SInt32 processIndex) const;

    // Runs an operation on the process with that index; -7126 when there is none.
    template <typename Operation>
    ComponentResult RouteToProcess(SInt32 processIndex, Operation operation) const
    {
        CProcess* process = GetProcessFromIndex(processIndex);
        return process != nullptr ? operation(*process) : kDAE_NoSuchProcess;
    }

protected:
    // The process just created, numbered and initialised, for what a type adds afterwards.
    virtual ComponentResult ProcessInstantiated(CProcess& process);

    SInt32 fSampleRate;
    SInt32 fDitherBits = 0;

private:
    SInt16 SmallestFreeProcessIndex() const;
    void DeleteProcess(CProcess* process);

    SInt16 fEnabled = 0;
    SInt32 fPlugInKind;
    CProcessGroup* fProcessGroup = nullptr;
    SInt16 fTypeIndex = -1;
    Byte fFrameRate;
    SInt32 fFrameOffset;
    std::vector<CProcess*> fProcesses;
};
