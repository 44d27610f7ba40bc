#include "CHostProcess.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <strings.h>

#include "CHostError.h"

namespace
{
constexpr SInt32 kMostStepsListed = 1024;
constexpr SInt32 kTextLength = 31;
constexpr OSType kPlugInControllerType = FourCC("PcTL");

SInt32 StepValue(SInt32 step, SInt32 steps)
{
    const double t = double(step) / double(steps - 1);
    return SInt32(-2147483648.0 + 4294967295.0 * t);
}
} // namespace

bool IsWholeChunk(const ChunkBytes& chunk)
{
    if (chunk.size() < size_t(kChunkHeaderSize))
        return false;
    SInt32 size = 0;
    std::memcpy(&size, chunk.data(), sizeof size);
    return size_t(size) == chunk.size();
}

CHostProcess::CHostProcess(CRoutineTable& routines, OSType type) : fRoutines(routines), fType(type)
{
    ThrowOnHostError(fRoutines.InstantiateProcess(type, &fIndex), "making a process");
}

CHostProcess::~CHostProcess()
{
    Free();
}

ComponentResult CHostProcess::Free()
{
    if (fFreed)
        return 0;
    fFreed = true;
    return fRoutines.FreeProcess(fType, fIndex);
}

SInt32 CHostProcess::NumInputs()
{
    SInt16 count = 0;
    ThrowOnHostError(fRoutines.GetNumAudioInputs(fType, fIndex, &count), "asking for the inputs");
    return count;
}

SInt32 CHostProcess::NumOutputs()
{
    SInt16 count = 0;
    ThrowOnHostError(fRoutines.GetNumAudioOutputs(fType, fIndex, &count), "asking for the outputs");
    return count;
}

SInt32 CHostProcess::NumControls()
{
    SInt16 count = 0;
    ThrowOnHostError(fRoutines.GetNumControls(fType, fIndex, &count), "asking for the controls");
    return count;
}

std::string CHostProcess::ControlName(SInt32 control)
{
    char name[kTextLength + 1] = {};
    SInt16 result = 0;
    ThrowOnHostError(fRoutines.GetControlNameOfLength(fType, fIndex, control, name, kTextLength,
                                                      kPlugInControllerType, &result),
                     "asking for a control's name");
    return name;
}

SInt32 CHostProcess::ControlSteps(SInt32 control)
{
    SInt32 steps = 0;
    ThrowOnHostError(fRoutines.GetNumControlSteps(fType, fIndex, control, &steps), "asking for a control's steps");
    return steps;
}

SInt32 CHostProcess::ControlValue(SInt32 control)
{
    SInt32 value = 0;
    ThrowOnHostError(fRoutines.GetControlValue(fType, fIndex, control, &value), "asking for a control's value");
    return value;
}

SInt32 CHostProcess::ControlDefault(SInt32 control)
{
    SInt32 value = 0;
    ThrowOnHostError(fRoutines.GetControlDefaultValue(fType, fIndex, control, &value),
                     "asking for a control's default");
    return value;
}

std::string CHostProcess::ValueText(SInt32 control, SInt32 value)
{
    char text[kTextLength + 1] = {};
    ThrowOnHostError(fRoutines.MapControlValToString(fType, fIndex, control, value, text, kTextLength),
                     "asking for a value's text");
    return text;
}

std::optional<SInt32> CHostProcess::ControlNamed(const std::string& name)
{
    for (SInt32 control = 1; control <= NumControls(); ++control)
        if (strcasecmp(ControlName(control).c_str(), name.c_str()) == 0)
            return control;
    return std::nullopt;
}

std::optional<SInt32> CHostProcess::ValueFromText(SInt32 control, const std::string& text)
{
    const SInt32 steps = ControlSteps(control);
    if (steps >= 2 && steps <= kMostStepsListed)
    {
        for (SInt32 step = 0; step < steps; ++step)
            if (strcasecmp(ValueText(control, StepValue(step, steps)).c_str(), text.c_str()) == 0)
                return StepValue(step, steps);
        return std::nullopt;
    }
    char* end = nullptr;
    const double position = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !(position >= 0.0 && position <= 1.0))
        return std::nullopt;
    return SInt32(-2147483648.0 + 4294967295.0 * position);
}

ComponentResult CHostProcess::SetControlValue(SInt32 control, SInt32 value)
{
    return fRoutines.SetControlValue(fType, fIndex, control, value);
}

FicSDSNameId CHostProcess::ControlNameID(SInt32 control)
{
    FicSDSNameId id = 0;
    fRoutines.GetControlNameID(fType, fIndex, control, &id);
    return id;
}

std::vector<ChunkBytes> CHostProcess::SaveChunks()
{
    SInt32 count = 0;
    ThrowOnHostError(fRoutines.GetNumChunks(fType, fIndex, &count), "counting the settings chunks");
    std::vector<ChunkBytes> chunks;
    for (SInt32 index = 1; index <= count; ++index)
    {
        OSType id = 0;
        SInt32 size = 0;
        ThrowOnHostError(fRoutines.GetIndexedChunkID(fType, fIndex, index, &id), "naming a settings chunk");
        ThrowOnHostError(fRoutines.GetChunkSize(fType, fIndex, id, &size), "sizing a settings chunk");
        if (size < kChunkHeaderSize)
            throw CHostError(-7083, "sizing a settings chunk");
        ChunkBytes chunk(size_t(size), 0);
        auto* header = reinterpret_cast<SFicPlugInChunk*>(chunk.data());
        header->fSize = size;
        header->fChunkID = id;
        ThrowOnHostError(fRoutines.GetChunk(fType, fIndex, id, header), "reading a settings chunk");
        chunk.resize(size_t(std::clamp(header->fSize, kChunkHeaderSize, size)));
        chunks.push_back(std::move(chunk));
    }
    return chunks;
}

ComponentResult CHostProcess::RestoreChunk(const ChunkBytes& chunk)
{
    if (!IsWholeChunk(chunk))
        return -7157;
    const auto* header = reinterpret_cast<const SFicPlugInChunk*>(chunk.data());
    return fRoutines.SetChunk(fType, fIndex, header->fChunkID, header);
}

std::optional<bool> CHostProcess::IsActiveChunk(const ChunkBytes& chunk)
{
    Boolean same = 0;
    if (!IsWholeChunk(chunk))
        return std::nullopt;
    const auto* header = reinterpret_cast<const SFicPlugInChunk*>(chunk.data());
    if (fRoutines.CompareActiveChunk(fType, fIndex, header, &same) != 0)
        return std::nullopt;
    return same != 0;
}
