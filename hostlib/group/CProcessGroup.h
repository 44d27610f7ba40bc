#pragma once
// The one process group of the library: it owns the process types in their list order, routes
// every per-process routine to its type and process, counts the live processes (the token
// globals and the plug-in's resource map live while any does) and holds the critical section.

#include <memory>
#include <vector>

#include "CProcessGroupInterface.h"
#include "CProcessType.h"
#include "DAEErrorCodes.h"

class CProcessGroup : public CProcessGroupInterface
{
public:
    // Supplied by the plug-in: makes its group.
    static CProcessGroup* CreateProcessGroup();

    CProcessGroup();
    ~CProcessGroup() override;

    // Engine entry points, the types (CreateProcessTypeObjects), their order and numbering, and
    // the critical section.
    ComponentResult Initialize() override;
    virtual void CreateProcessTypeObjects() = 0;

    // ---- Critical section
    SInt32 EnterCriticalSection() override;
    SInt32 TryToEnterCriticalSection() override;
    SInt32 LeaveCriticalSection() override;
    SInt32 GetCriticalSectionDepth() const { return fCriticalSectionDepth; }

    // ---- The plug-in's resource file, open while at least one user holds it
    static SInt16 UseResourceFile();
    static void RestoreResourceFile(SInt16 previous);
    static SInt16 GetResourceOpenCount() { return sResourceOpenCount; }
    // The plug-in's resource file while its map is open, else -1.
    static SInt16 GetPlugInResourceFile() { return sResourceFile; }
    static SInt16 CurrentResourceFile();

    // ---- The plug-in's bundle as the module's entry was given it: kept, not owned (the host
    // keeps it alive while the module is open); null when no bundle was given.
    static void SetBundleReference(const char* bundleReference);
    static const char* GetBundleReference() { return sBundleReference; }
    static void GetResourceLocation(const char** location) { *location = sBundleReference; }

    // ---- Types
    // Initialises the type and appends it; the group owns it. A null type throws -7053.
    void AddProcessType(CProcessType* type);
    CProcessType* FindProcessType(OSType type) const;
    // Throws -7125 when no type has that OS type.
    CProcessType& GetProcessType(OSType type) const;
    // By index from 1; null outside the list.
    CProcessType* GetProcessTypeFromIndex(SInt32 typeIndex) const;
    size_t GetNumTypes() const { return fTypes.size(); }
    SInt32 GetNumProcesses() const { return fNumProcesses; }

    ComponentResult GetNumProcessTypes(SInt16* count) override;
    ComponentResult SetSampleRate(SInt32 rate) override;
    ComponentResult SetDitherBits(SInt32 bits) override;
    ComponentResult EnablePlugInType(SInt32 kind) override;

    ComponentResult GetProcessTypeFlags(OSType type, SInt32* flags) override;
    ComponentResult IsIOProcessType(OSType type, Boolean* isIO) override;
    ComponentResult InstantiateProcess(OSType type, SInt32* processIndex) override;
    ComponentResult GetPlugInType(OSType type, SInt32* kind) override;
    ComponentResult Gestalt(OSType type, SInt32 selector, SInt32* value) override;
    ComponentResult GetProcessTypeName(OSType type, SInt32 maxLen, char* out) override;
    ComponentResult GetDSPCoreTypeList(OSType type, SInt32* count, SInt32* list) override;
    ComponentResult GetStemFormats(OSType type, SInt32* input, SInt32* output, SInt32* third) override;
    ComponentResult GetXMLPageTableForType(OSType type, OSType controllerType, char* out, SInt32 maxLen) override;
    ComponentResult GetXMLPageTableSizeForType(OSType type, OSType controllerType, SInt32* size) override;

    ComponentResult FreeProcess(OSType type, SInt32 processIndex) override;
    ComponentResult GetNumAudioInputs(OSType type, SInt32 processIndex, SInt16* count) override;
    ComponentResult GetNumAudioOutputs(OSType type, SInt32 processIndex, SInt16* count) override;
    ComponentResult DoSetCursor(OSType type, SInt32 processIndex, EventRecord* event) override;
    ComponentResult GetDriverRefNumOfInput(OSType type, SInt32 processIndex, SInt32 port, SInt32* refNum) override;
    ComponentResult GetDriverRefNumOfOutput(OSType type, SInt32 processIndex, SInt32 port, SInt32* refNum) override;
    ComponentResult GetPortOnHardwareIndex(OSType type, SInt32 processIndex, SInt32 port,
                                           SInt32* hardwareIndex) override;
    ComponentResult DisableAutomation(OSType type, SInt32 processIndex, Boolean disabled) override;
    ComponentResult GetChunk(OSType type, SInt32 processIndex, OSType chunkID, SFicPlugInChunk* chunk) override;
    ComponentResult SetChunk(OSType type, SInt32 processIndex, OSType chunkID,
                             const SFicPlugInChunk* chunk) override;
    ComponentResult CompareActiveChunk(OSType type, SInt32 processIndex, const SFicPlugInChunk* chunk,
                                       Boolean* same) override;
    ComponentResult GetPlugInString(OSType type, SInt32 processIndex, SInt32 selector, unsigned char* out) override;
    ComponentResult SetSourceRegionList(OSType type, SInt32 processIndex, const SRegionList* regions) override;
    ComponentResult SetDestRegionList(OSType type, SInt32 processIndex, const SRegionList* regions) override;
    ComponentResult GetFirstPageForCategory(OSType type, SInt32 processIndex, OSType category,
                                            SInt32* page) override;
    ComponentResult GetIsBypassableByCategory(OSType type, SInt32 processIndex, OSType category,
                                              Boolean* bypassable) override;

#define KELVARO_DECLARE_PROCESS_OPERATION(name, arguments, ...) \
    ComponentResult name(OSType type, SInt32 processIndex __VA_OPT__(, ) __VA_ARGS__) override;
    KELVARO_PROCESS_OPERATIONS(KELVARO_DECLARE_PROCESS_OPERATION, KELVARO_DECLARE_PROCESS_OPERATION)
#undef KELVARO_DECLARE_PROCESS_OPERATION

    // The word real-time types give the host with each process; stable for the group's life.
    SInt32 GetMultiShellContext() const { return 1; }

protected:
    template <typename Operation>
    ComponentResult RouteToProcess(OSType type, SInt32 processIndex, Operation operation) const
    {
        return GetProcessType(type).RouteToProcess(processIndex, operation);
    }

    // The same for a control of the process: -7300 for an index outside 1 .. its control count.
    template <typename Operation>
    ComponentResult RouteToControl(OSType type, SInt32 processIndex, SInt32 control, Operation operation) const
    {
        return RouteToProcess(type, processIndex, [&](CProcess& process) {
            SInt16 numControls = 0;
            const ComponentResult result = process.GetNumControls(&numControls);
            if (result != 0)
                return result;
            return control >= 1 && control <= numControls ? operation(process) : kDAE_InvalidControlIndex;
        });
    }

private:
    ComponentResult InitializeCriticalSection();
    void FreeCriticalSection();
    void SortProcessTypeObjects();
    void InitProcessTypeObjects();
    static void MakeResourceFileCurrent(SInt16 file);
    void FirstProcessComing();
    void LastProcessGone();

    static SInt16 sResourceOpenCount;
    static SInt16 sResourceFile;
    static SInt16 sPreviousResourceFile;
    static const char* sBundleReference;

    std::vector<std::unique_ptr<CProcessType>> fTypes;
    SInt32 fNumProcesses = 0;
    FicCriticalSectionRef fCriticalSection = nullptr;
    SInt32 fCriticalSectionDepth = 0;
};

// The DSP-card layer of the group; without cards it adds nothing to the group base.
using CDSPProcessGroup = CProcessGroup;

extern CProcessGroup* gProcessGroup;
