#pragma once
// The plug-in's routine table as the host sees it: each routine fetched once by its selector
// through the module's table function and called with the host's argument types.

#include <array>

#include "FicInterface.h"
#include "HostRecords.h"
#include "SFicPlugInChunk.h"

using PlugInRoutine = void (*)();
using RoutineDescriptorFunction = ComponentResult (*)(SInt32 selector, PlugInRoutine* out);

class CRoutineTable
{
public:
    static constexpr SInt32 kNumSelectors = 174;
    using Code = ComponentResult;

    explicit CRoutineTable(RoutineDescriptorFunction describe) : fDescribe(describe) {}

    // The table function's own answer, for any selector.
    Code Describe(SInt32 selector, PlugInRoutine* out) const { return fDescribe(selector, out); }

    // ---- Group
    Code GetNumProcessTypes(SInt16* n) { return Call<Code(SInt16*)>(22, n); }
    Code GetManufacturerName(SInt32 maxLen, char* out) { return Call<Code(SInt32, char*)>(12, maxLen, out); }
    Code GetProcessTypeIDs(SInt32 index, OSType* maker, OSType* product, OSType* type) { return Call<Code(SInt32, OSType*, OSType*, OSType*)>(6, index, maker, product, type); }
    Code SetSampleRate(SInt32 rate) { return Call<Code(SInt32)>(7, rate); }
    Code EnablePlugInType(SInt32 kind) { return Call<Code(SInt32)>(91, kind); }

    // ---- Type
    Code GetProcessTypeName(OSType t, SInt32 maxLen, char* out) { return Call<Code(OSType, SInt32, char*)>(5, t, maxLen, out); }
    Code InstantiateProcess(OSType t, SInt32* index) { return Call<Code(OSType, SInt32*)>(19, t, index); }
    Code GetPlugInType(OSType t, SInt32* kind) { return Call<Code(OSType, SInt32*)>(92, t, kind); }
    Code Gestalt(OSType t, SInt32 selector, SInt32* value) { return Call<Code(OSType, SInt32, SInt32*)>(93, t, selector, value); }
    Code GetStemFormats(OSType t, SInt32* input, SInt32* output, SInt32* third) { return Call<Code(OSType, SInt32*, SInt32*, SInt32*)>(137, t, input, output, third); }

    // ---- Process
    Code FreeProcess(OSType t, SInt32 p) { return Call<Code(OSType, SInt32)>(20, t, p); }
    Code GetNumAudioInputs(OSType t, SInt32 p, SInt16* n) { return Call<Code(OSType, SInt32, SInt16*)>(10, t, p, n); }
    Code GetNumAudioOutputs(OSType t, SInt32 p, SInt16* n) { return Call<Code(OSType, SInt32, SInt16*)>(17, t, p, n); }
    Code ConnectInput(OSType t, SInt32 p, SInt32 port, void* c) { return Call<Code(OSType, SInt32, SInt32, void*)>(30, t, p, port, c); }
    Code ConnectOutput(OSType t, SInt32 p, SInt32 port, void* c) { return Call<Code(OSType, SInt32, SInt32, void*)>(31, t, p, port, c); }
    Code DisconnectInput(OSType t, SInt32 p, SInt32 port) { return Call<Code(OSType, SInt32, SInt32)>(32, t, p, port); }
    Code DisconnectOutput(OSType t, SInt32 p, SInt32 port) { return Call<Code(OSType, SInt32, SInt32)>(33, t, p, port); }
    Code DoIdle(OSType t, SInt32 p, const EventRecord* e) { return Call<Code(OSType, SInt32, const EventRecord*)>(3, t, p, e); }
    Code Draw(OSType t, SInt32 p, Rect* r) { return Call<Code(OSType, SInt32, Rect*)>(0, t, p, r); }
    Code DoMouseCommand(OSType t, SInt32 p, EventRecord* e) { return Call<Code(OSType, SInt32, EventRecord*)>(1, t, p, e); }
    Code GetViewRect(OSType t, SInt32 p, Rect* r) { return Call<Code(OSType, SInt32, Rect*)>(4, t, p, r); }
    Code SetViewPort(OSType t, SInt32 p, GrafPtr port) { return Call<Code(OSType, SInt32, GrafPtr)>(47, t, p, port); }
    Code GetNumChunks(OSType t, SInt32 p, SInt32* n) { return Call<Code(OSType, SInt32, SInt32*)>(62, t, p, n); }
    Code GetIndexedChunkID(OSType t, SInt32 p, SInt32 i, OSType* id) { return Call<Code(OSType, SInt32, SInt32, OSType*)>(63, t, p, i, id); }
    Code GetChunkSize(OSType t, SInt32 p, OSType id, SInt32* size) { return Call<Code(OSType, SInt32, OSType, SInt32*)>(65, t, p, id, size); }
    Code GetChunk(OSType t, SInt32 p, OSType id, SFicPlugInChunk* c) { return Call<Code(OSType, SInt32, OSType, SFicPlugInChunk*)>(66, t, p, id, c); }
    Code SetChunk(OSType t, SInt32 p, OSType id, const SFicPlugInChunk* c) { return Call<Code(OSType, SInt32, OSType, const SFicPlugInChunk*)>(67, t, p, id, c); }
    Code CompareActiveChunk(OSType t, SInt32 p, const SFicPlugInChunk* c, Boolean* same) { return Call<Code(OSType, SInt32, const SFicPlugInChunk*, Boolean*)>(128, t, p, c, same); }

    // ---- Control
    Code GetNumControls(OSType t, SInt32 p, SInt16* n) { return Call<Code(OSType, SInt32, SInt16*)>(40, t, p, n); }
    Code GetNumControlSteps(OSType t, SInt32 p, SInt32 c, SInt32* n) { return Call<Code(OSType, SInt32, SInt32, SInt32*)>(42, t, p, c, n); }
    Code GetControlValue(OSType t, SInt32 p, SInt32 c, SInt32* v) { return Call<Code(OSType, SInt32, SInt32, SInt32*)>(45, t, p, c, v); }
    Code SetControlValue(OSType t, SInt32 p, SInt32 c, SInt32 v) { return Call<Code(OSType, SInt32, SInt32, SInt32)>(46, t, p, c, v); }
    Code UpdateControlValue(OSType t, SInt32 p, SInt32 c, SInt32 v) { return Call<Code(OSType, SInt32, SInt32, SInt32)>(99, t, p, c, v); }
    Code GetControlDefaultValue(OSType t, SInt32 p, SInt32 c, SInt32* v) { return Call<Code(OSType, SInt32, SInt32, SInt32*)>(109, t, p, c, v); }
    Code GetControlType(OSType t, SInt32 p, SInt32 c, SInt32* type) { return Call<Code(OSType, SInt32, SInt32, SInt32*)>(88, t, p, c, type); }
    Code GetControlNameID(OSType t, SInt32 p, SInt32 c, FicSDSNameId* id) { return Call<Code(OSType, SInt32, SInt32, FicSDSNameId*)>(86, t, p, c, id); }
    Code MapControlValToString(OSType t, SInt32 p, SInt32 c, SInt32 v, char* out, SInt32 maxLen) { return Call<Code(OSType, SInt32, SInt32, SInt32, char*, SInt32)>(90, t, p, c, v, out, maxLen); }
    Code GetControlNameOfLength(OSType t, SInt32 p, SInt32 c, char* out, SInt32 maxLen, OSType controller, SInt16* result) { return Call<Code(OSType, SInt32, SInt32, char*, SInt32, OSType, SInt16*)>(131, t, p, c, out, maxLen, controller, result); }

private:
    template <typename Function, typename... Arguments>
    Code Call(SInt32 selector, Arguments... arguments)
    {
        return reinterpret_cast<Function*>(Fetch(selector))(arguments...);
    }

    // Throws CHostError -9007 when the plug-in has no routine under the selector.
    PlugInRoutine Fetch(SInt32 selector);

    RoutineDescriptorFunction fDescribe;
    std::array<PlugInRoutine, kNumSelectors> fRoutines{};
};
