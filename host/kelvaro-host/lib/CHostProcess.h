#pragma once
// One process of a plug-in type, made and freed through the routine table, with what a host
// asks of it: its channels, its controls and their texts, and its settings chunks.

#include <optional>
#include <string>
#include <vector>

#include "CRoutineTable.h"

using ChunkBytes = std::vector<Byte>;  // a whole chunk: header and data

class CHostProcess
{
public:
    // Throws CHostError when the type makes no process.
    CHostProcess(CRoutineTable& routines, OSType type);
    ~CHostProcess();
    CHostProcess(const CHostProcess&) = delete;
    CHostProcess& operator=(const CHostProcess&) = delete;

    // Frees the process now; answers the plug-in's code. The destructor frees it otherwise.
    ComponentResult Free();

    CRoutineTable& Routines() { return fRoutines; }
    OSType Type() const { return fType; }
    SInt32 Index() const { return fIndex; }
    SInt32 NumInputs();
    SInt32 NumOutputs();

    // ---- Controls, numbered from 1
    SInt32 NumControls();
    std::string ControlName(SInt32 control);
    SInt32 ControlSteps(SInt32 control);
    SInt32 ControlValue(SInt32 control);
    SInt32 ControlDefault(SInt32 control);
    std::string ValueText(SInt32 control, SInt32 value);
    std::optional<SInt32> ControlNamed(const std::string& name);
    // A step whose text is the given one (any case), or for a control of more steps than a
    // user could list, a number from 0 to 1 along the whole scale.
    std::optional<SInt32> ValueFromText(SInt32 control, const std::string& text);
    // The user's change, as a host's automation makes it: the plug-in hears it back as tokens.
    ComponentResult SetControlValue(SInt32 control, SInt32 value);
    FicSDSNameId ControlNameID(SInt32 control);

    // ---- Settings
    std::vector<ChunkBytes> SaveChunks();
    ComponentResult RestoreChunk(const ChunkBytes& chunk);
    // Whether the chunk holds the settings in use; nullopt when the plug-in cannot say.
    std::optional<bool> IsActiveChunk(const ChunkBytes& chunk);

private:
    CRoutineTable& fRoutines;
    OSType fType;
    SInt32 fIndex = 0;
    bool fFreed = false;
};

// A header and exactly as many bytes as its size field says; the host hands on no other.
bool IsWholeChunk(const ChunkBytes& chunk);
