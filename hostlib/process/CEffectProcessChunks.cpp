// The chunk list of an effect process and the library's own chunk, "Complete Controls State",
// which keeps every control that is not filtered out by its id, in the named-value format.

#include <algorithm>
#include <cstring>
#include <string>

#include "CDAEError.h"
#include "CEffectProcess.h"
#include "DAEErrorCodes.h"
#include "ProcessAnswers.h"

namespace
{
std::string NameOfID(OSType id)
{
    return {char(id >> 24), char(id >> 16), char(id >> 8), char(id)};
}

constexpr SInt32 kValueStringLength = 255;
} // namespace

void CEffectProcess::AddChunk(OSType chunkID, const char* name, SInt32 size)
{
    fChunkList.emplace_back(chunkID, name);
    fChunkSizes.push_back(size);
    if (chunkID != kControlsChunkID && chunkID != kMIDIChunkID)
        fHasOwnChunks = true;
}

ComponentResult CEffectProcess::GetNumChunks(SInt32* numChunks)
{
    return Answer(numChunks, SInt32(fChunkList.size()) - (OffersControlsChunk() ? 0 : 1));
}

ComponentResult CEffectProcess::GetIndexedChunkID(SInt32 index, OSType* chunkID)
{
    const SInt32 entry = index - (OffersControlsChunk() ? 1 : 0);
    if (entry < 0 || size_t(entry) >= fChunkList.size())
        return CProcess::GetIndexedChunkID(index, chunkID);
    return Answer(chunkID, fChunkList[size_t(entry)].first);
}

ComponentResult CEffectProcess::DescribeChunk(OSType chunkID, unsigned char* name)
{
    const auto found = std::find_if(fChunkList.begin(), fChunkList.end(),
                                    [chunkID](const auto& entry) { return entry.first == chunkID; });
    if (found != fChunkList.end())
    {
        name[0] = UInt8(std::min<size_t>(found->second.size(), 31));
        std::memcpy(name + 1, found->second.data(), name[0]);
    }
    return 0;
}

ComponentResult CEffectProcess::GetChunkSize(OSType chunkID, SInt32* size)
{
    if (chunkID == kControlsChunkID)
    {
        if (fControlsChunkSize == 0)
        {
            BuildChunkData();
            fControlsChunkSize = fChunkParser.GetChunkSize();
        }
        return Answer(size, fControlsChunkSize);
    }
    const auto found = std::find_if(fChunkList.begin(), fChunkList.end(),
                                    [chunkID](const auto& entry) { return entry.first == chunkID; });
    if (fHasOwnChunks && found != fChunkList.end())
        return Answer(size, fChunkSizes[size_t(found - fChunkList.begin())] + kChunkHeaderSize);
    return CProcess::GetChunkSize(chunkID, size);
}

bool CEffectProcess::BuildChunkData()
{
    fChunkParser.Clear();
    SInt16 numControls = 0;
    ThrowOnErr(GetNumControls(&numControls));
    for (SInt32 index = 1; index <= numControls; ++index)
    {
        const CPluginControl* control = fControls.GetControl(index);
        const std::string name = NameOfID(control->GetID());
        if (fFilteredControlIds.contains(control->GetID()))
            continue;
        if (control->GetControlType() == kContinuousControl)
            fChunkParser.AddDouble(name.c_str(), control->GetContinuous());
        else if (control->GetControlType() == kDiscreteControl)
            fChunkParser.AddInt32(name.c_str(), control->GetDiscrete());
    }
    return !fChunkParser.IsEmpty();
}

ComponentResult CEffectProcess::GetChunk(OSType chunkID, SFicPlugInChunk* chunk)
{
    if (chunkID != kControlsChunkID)
        return CProcess::GetChunk(chunkID, chunk);
    if (!BuildChunkData())
        return kDAE_ChunkEmpty;
    return fChunkParser.GetChunkData(chunk);
}

void CEffectProcess::LoadChunk(const SFicPlugInChunk* chunk)
{
    fChunkParser.LoadChunk(chunk);
}

ComponentResult CEffectProcess::SetChunk(OSType chunkID, const SFicPlugInChunk* chunk)
{
    if (chunkID != kControlsChunkID)
        return 0;
    LoadChunk(chunk);
    SInt16 numControls = 0;
    ThrowOnErr(GetNumControls(&numControls));
    for (SInt32 index = 1; index <= numControls; ++index)
        if (index != fMasterBypassIndex)
            SetOrUpdateControlFromChunk(index, false);
    return 0;
}

ComponentResult CEffectProcess::SetOrUpdateControlFromChunk(SInt32 index, bool update)
{
    const CPluginControl* control = fControls.GetControl(index);
    const std::string name = NameOfID(control->GetID());
    SInt32 value = 0;
    if (control->GetControlType() == kContinuousControl)
    {
        double continuous = 0.0;
        if (!fChunkParser.FindDouble(name.c_str(), &continuous))
            return 0;
        value = control->ConvertContinuousToControl(continuous);
    }
    else if (control->GetControlType() == kDiscreteControl)
    {
        SInt32 step = 0;
        if (!fChunkParser.FindInt32(name.c_str(), &step))
            return 0;
        value = control->ConvertDiscreteToControl(step);
    }
    else
        return kDAE_UnexpectedException;
    return update ? UpdateControlValue(index, value) : SetControlValue(index, value);
}

// Continuous controls compare as the user reads them, discrete ones by their step.
bool CEffectProcess::ControlMatchesChunk(SInt32 index)
{
    const CPluginControl* control = fControls.GetControl(index);
    const std::string name = NameOfID(control->GetID());
    if (control->GetControlType() == kDiscreteControl)
    {
        SInt32 step = 0;
        return !fChunkParser.FindInt32(name.c_str(), &step) ||
               control->ConvertDiscreteToControl(step) == control->ConvertDiscreteToControl(control->GetDiscrete());
    }
    double continuous = 0.0;
    if (!fChunkParser.FindDouble(name.c_str(), &continuous))
        return true;
    unsigned char stored[kValueStringLength + 1] = {};
    unsigned char current[kValueStringLength + 1] = {};
    ThrowOnErr(GetValueString(index, control->ConvertContinuousToControl(continuous), stored, kValueStringLength));
    ThrowOnErr(GetValueString(index, control->GetValue(), current, kValueStringLength));
    return std::memcmp(stored, current, size_t(stored[0]) + 1) == 0;
}

ComponentResult CEffectProcess::CompareActiveChunk(const SFicPlugInChunk* chunk, Boolean* same)
{
    *same = true;
    if (chunk->fChunkID != kControlsChunkID)
        return 0;
    LoadChunk(chunk);
    SInt16 numControls = 0;
    ThrowOnErr(GetNumControls(&numControls));
    for (SInt32 index = 1; index <= numControls && *same; ++index)
        *same = index == fMasterBypassIndex || ControlMatchesChunk(index);
    return 0;
}
