#pragma once
// The base of every process group: one operation per host routine, the group's timing, and
// the critical section that serialises the routines (entered by the dispatcher according to
// sCriticalSectionScope).

#include "CProcess.h"
#include "FicInterface.h"
#include "HostRecords.h"
#include "ProcessOperations.h"
#include "SGroupTiming.h"
#include "SSpecifiers.h"

class CProcessGroupInterface
{
public:
    static SInt32 sCriticalSectionScope;

    CProcessGroupInterface();
    virtual ~CProcessGroupInterface() = default;
    CProcessGroupInterface(const CProcessGroupInterface&) = delete;
    CProcessGroupInterface& operator=(const CProcessGroupInterface&) = delete;

    virtual ComponentResult Initialize();

    // ---- Critical section: each answers the depth reached (try-enter: 1 when entered).
    virtual SInt32 EnterCriticalSection();
    virtual SInt32 TryToEnterCriticalSection();
    virtual SInt32 LeaveCriticalSection();
    // Gives the section up completely, lets waiting threads in, then restores the caller's depth.
    void YieldCriticalSection();
    static void SetDispatcherCriticalSectionScope(SInt32 scope);

    SInt32 GetSampleRate() const { return fTiming.fSampleRate; }
    Byte GetFrameRate() const { return fTiming.fFrameRate; }
    SInt32 GetFrameOffset() const { return fTiming.fFrameOffset; }
    const SGroupTiming& GetTiming() const { return fTiming; }

    // ---- Group routines
    virtual ComponentResult GetNumProcessTypes(SInt16* count) = 0;
    virtual ComponentResult GetManufacturerName(SInt32 maxLen, char* out) = 0;
    // out holds maxLen + 1 bytes and receives a length-prefixed text.
    virtual ComponentResult GetPlugInName(unsigned char* out, SInt32 maxLen) const = 0;
    virtual ComponentResult GetProcessTypeIDs(SInt32 typeIndex, OSType* manufacturer, OSType* product,
                                              OSType* type) = 0;
    virtual ComponentResult SetSampleRate(SInt32 rate) = 0;
    virtual ComponentResult SetDitherBits(SInt32 bits) = 0;
    virtual ComponentResult SetTimeCodeInfo(const STimeCodeInfo* info);
    virtual ComponentResult SetLocationTempo(SInt32 location, SInt32 tempo);
    virtual ComponentResult EnablePlugInType(SInt32 kind) = 0;
    virtual ComponentResult GetAutoType() = 0;
    virtual ComponentResult GetDriverTypeList(SInt32* count, char** list);
    virtual ComponentResult SetXCMDProc(HostCallback callback);
    virtual ComponentResult AllocateHardware(SInt32 refNum);
    virtual ComponentResult FreeHardware(SInt32 refNum);
    virtual ComponentResult SetCFicWidgetObject(void* widget);
    virtual ComponentResult GetRelatedProcessType(SPlugInSpec* spec, SInt32 a, SInt32 b) = 0;
    virtual ComponentResult GetRelatedProcessTypeOfType(SPlugInSpec* spec, SInt32 kind, SInt32 inputs,
                                                        SInt32 outputs, SInt32 inputStem,
                                                        SInt32 outputStem) = 0;

    // ---- Type routines
    virtual ComponentResult GetProcessTypeName(OSType type, SInt32 maxLen, char* out) = 0;
    virtual ComponentResult GetProcessTypeFlags(OSType type, SInt32* flags) = 0;
    virtual ComponentResult IsIOProcessType(OSType type, Boolean* isIO) = 0;
    virtual ComponentResult InstantiateProcess(OSType type, SInt32* processIndex) = 0;
    virtual ComponentResult GetPlugInType(OSType type, SInt32* kind) = 0;
    virtual ComponentResult Gestalt(OSType type, SInt32 selector, SInt32* value) = 0;
    virtual ComponentResult GetDSPCoreTypeList(OSType type, SInt32* count, SInt32* list) = 0;
    virtual ComponentResult GetStemFormats(OSType type, SInt32* input, SInt32* output, SInt32* third) = 0;
    virtual ComponentResult GetXMLPageTableForType(OSType type, OSType controllerType, char* out,
                                                   SInt32 maxLen) = 0;
    virtual ComponentResult GetXMLPageTableSizeForType(OSType type, OSType controllerType, SInt32* size) = 0;

    // ---- Process routines answered by the group or the type
    virtual ComponentResult FreeProcess(OSType type, SInt32 processIndex) = 0;
    virtual ComponentResult GetNumAudioInputs(OSType type, SInt32 processIndex, SInt16* count) = 0;
    virtual ComponentResult GetNumAudioOutputs(OSType type, SInt32 processIndex, SInt16* count) = 0;
    virtual ComponentResult DoSetCursor(OSType type, SInt32 processIndex, EventRecord* event) = 0;
    virtual ComponentResult GetDriverRefNumOfInput(OSType type, SInt32 processIndex, SInt32 port,
                                                   SInt32* refNum) = 0;
    virtual ComponentResult GetDriverRefNumOfOutput(OSType type, SInt32 processIndex, SInt32 port,
                                                    SInt32* refNum) = 0;
    virtual ComponentResult GetPortOnHardwareIndex(OSType type, SInt32 processIndex, SInt32 port,
                                                   SInt32* hardwareIndex) = 0;
    virtual ComponentResult DisableAutomation(OSType type, SInt32 processIndex, Boolean disabled) = 0;
    virtual ComponentResult GetChunk(OSType type, SInt32 processIndex, OSType chunkID, SFicPlugInChunk* chunk) = 0;
    virtual ComponentResult SetChunk(OSType type, SInt32 processIndex, OSType chunkID,
                                     const SFicPlugInChunk* chunk) = 0;
    virtual ComponentResult CompareActiveChunk(OSType type, SInt32 processIndex, const SFicPlugInChunk* chunk,
                                               Boolean* same) = 0;
    virtual ComponentResult GetPlugInString(OSType type, SInt32 processIndex, SInt32 selector,
                                            unsigned char* out) = 0;
    virtual ComponentResult SetSourceRegionList(OSType type, SInt32 processIndex, const SRegionList* regions) = 0;
    virtual ComponentResult SetDestRegionList(OSType type, SInt32 processIndex, const SRegionList* regions) = 0;
    virtual ComponentResult GetFirstPageForCategory(OSType type, SInt32 processIndex, OSType category,
                                                    SInt32* page) = 0;
    virtual ComponentResult GetIsBypassableByCategory(OSType type, SInt32 processIndex, OSType category,
                                                      Boolean* bypassable) = 0;

    // ---- Process routines handed on unchanged
#define KELVARO_DECLARE_PROCESS_OPERATION(name, arguments, ...) \
    virtual ComponentResult name(OSType type, SInt32 processIndex __VA_OPT__(, ) __VA_ARGS__) = 0;
    KELVARO_PROCESS_OPERATIONS(KELVARO_DECLARE_PROCESS_OPERATION, KELVARO_DECLARE_PROCESS_OPERATION)
#undef KELVARO_DECLARE_PROCESS_OPERATION

    // ---- Unpacking of the specifier records
    ComponentResult GetControlNameOfLengthLessArgs(const SControlSpecifier* control, char* out, SInt32 maxLen,
                                                   OSType controllerType, SInt16* result);
    ComponentResult MapControlValToStringLessArgs(const SControlSpecifier* control, SInt32 value, char* out,
                                                  SInt32 maxLen);
    ComponentResult GetControlForPageLessArgs(const SProcessSpecifier* process, OSType controllerType,
                                              SInt32 page, SInt32 slot, SInt32* control);
    ComponentResult GetNumParamFormatsLessArgs(const SParamSpecifier* port, SInt32* count);
    ComponentResult GetIndexParamFormatLessArgs(const SParamSpecifier* port, SInt32 index,
                                                SConnectionFormat* format);
    ComponentResult GetRelatedProcessTypeOfTypeLessArgs(SPlugInSpec* spec, const SStemSpecifier* wanted);

protected:
    SGroupTiming fTiming;
    SInt32 fLocationTempo = 0;
    void* fWidgetObject = nullptr;
    HostCallback fXCMDProc = nullptr;
};
