#include "CEffectGroup.h"

#include <algorithm>
#include <cstring>

#include "CDAEError.h"
#include "CEffectType.h"
#include "DAEErrorCodes.h"
#include "HostStrings.h"

namespace
{
constexpr SInt32 kGestaltMIDIQuestion = 28;
constexpr SInt32 kMIDIAnswer = 2;
constexpr OSType kMIDI = FourCC("midi");
constexpr SInt32 kAutomationType = 3;
constexpr SInt32 kWantedKindFollows = -3;

std::string StringOfLength(const std::string& names, SInt32 maxLen)
{
    std::string out(size_t(maxLen) + 1, '\0');
    GetStringOfLength(out.data(), names.c_str(), maxLen);
    return out.c_str();
}
} // namespace

CEffectGroup::CEffectGroup() = default;

CEffectGroup::~CEffectGroup() = default;

void CEffectGroup::DefineManufacturerNamesAndID(const char* names, OSType id)
{
    fManufacturerNames = names;
    fManufacturerID = id;
}

void CEffectGroup::DefinePlugInNamesAndVersion(const char* names, UInt32 version)
{
    fPlugInNames = names;
    fVersion = version;
}

void CEffectGroup::AddGestalt(SInt32 selector)
{
    fGestalts.insert(selector);
}

void CEffectGroup::AddEffectType(CEffectType* type)
{
    AddProcessType(static_cast<CProcessType*>(FailNIL(type)));
}

ComponentResult CEffectGroup::GetPlugInName(unsigned char* out, SInt32 maxLen) const
{
    const std::string name = StringOfLength(fPlugInNames, std::min<SInt32>(maxLen, 255));
    out[0] = UInt8(name.size());
    std::memcpy(out + 1, name.data(), name.size());
    return 0;
}

ComponentResult CEffectGroup::GetManufacturerName(SInt32 maxLen, char* out)
{
    const std::string name = StringOfLength(fManufacturerNames, std::clamp<SInt32>(maxLen, 0, 255));
    out[0] = char(name.size());
    std::memcpy(out + 1, name.data(), name.size());
    return 0;
}

ComponentResult CEffectGroup::GetAutoType()
{
    return kAutomationType;
}

ComponentResult CEffectGroup::GetProcessTypeIDs(SInt32 typeIndex, OSType* manufacturer, OSType* product,
                                                OSType* type)
{
    auto* effectType = dynamic_cast<CEffectType*>(GetProcessTypeFromIndex(typeIndex));
    if (effectType == nullptr)
        return kDAE_NoEffectType;
    OSType relation = 0;
    effectType->GetProductAndRelationIDs(product, &relation);
    *type = effectType->GetPlugInOSType();
    *manufacturer = fManufacturerID;
    return 0;
}

ComponentResult CEffectGroup::Gestalt(OSType type, SInt32 selector, SInt32* value)
{
    if (selector == kGestaltMIDIQuestion)
    {
        *value = OSType(*value) == kMIDI ? kMIDIAnswer : 0;
        return 0;
    }
    if (fGestalts.contains(selector))
    {
        *value = 1;
        return 0;
    }
    return CProcessGroup::Gestalt(type, selector, value);
}

// ---- SDS base name

void CEffectGroup::BuildSDSBaseName()
{
    fSDSBaseName = "Plug-Ins/" + StringOfLength(fManufacturerNames, 127) + "/" + StringOfLength(fPlugInNames, 127) +
                   "/" + std::to_string(fVersion & 0xFF);
}

void CEffectGroup::GetSDSBaseName(char* out)
{
    if (fSDSBaseName.empty())
        BuildSDSBaseName();
    const size_t length = std::min<size_t>(fSDSBaseName.size(), 255);
    std::memcpy(out, fSDSBaseName.data(), length);
    out[length] = '\0';
}

// ---- Related types

ComponentResult CEffectGroup::GetRelatedProcessType(SPlugInSpec* spec, SInt32 a, SInt32 b)
{
    auto* type = dynamic_cast<CEffectType*>(&GetProcessType(spec->fTypeID));
    if (type == nullptr)
        return kDAE_NoRelatedType;
    const bool kindGiven = a == kWantedKindFollows;
    const SInt32 kind = kindGiven ? b : type->GetPlugInType();
    const SInt32 inputs = kindGiven ? type->GetNumInputs() : a;
    const SInt32 outputs = kindGiven ? type->GetNumOutputs() : b;
    const auto isChannelCount = [](SInt32 count) { return count == 1 || count == 2; };
    if (!isChannelCount(inputs) || !isChannelCount(outputs))
        return 0;
    const auto stemOf = [](SInt32 count) { return count == 2 ? ePlugIn_StemFormat_Stereo : ePlugIn_StemFormat_Mono; };
    return GetRelatedProcessTypeOfType(spec, kind, inputs, outputs, stemOf(inputs), stemOf(outputs));
}

ComponentResult CEffectGroup::GetRelatedProcessTypeOfType(SPlugInSpec* spec, SInt32 kind, SInt32 inputs,
                                                          SInt32 outputs, SInt32 inputStem, SInt32 outputStem)
{
    auto* specType = dynamic_cast<CEffectType*>(&GetProcessType(spec->fTypeID));
    if (specType == nullptr || spec->fManufacturerID != fManufacturerID)
        return kDAE_NoRelatedType;
    OSType product = 0;
    OSType wantedRelation = 0;
    specType->GetProductAndRelationIDs(&product, &wantedRelation);
    for (SInt32 index = 1; CProcessType* candidate = GetProcessTypeFromIndex(index); ++index)
    {
        auto* type = dynamic_cast<CEffectType*>(candidate);
        if (type == nullptr || !type->IsVisible())
            continue;
        OSType relation = 0;
        type->GetProductAndRelationIDs(&spec->fProductID, &relation);
        spec->fTypeID = type->GetPlugInOSType();
        EPlugIn_StemFormat input, output, third;
        type->GetStemFormats(&input, &output, &third);
        const bool countsMatch = inputStem != ePlugIn_StemFormat_Generic ||
                                 (type->GetNumInputs() == inputs && type->GetNumOutputs() == outputs);
        if (relation == wantedRelation && type->GetPlugInType() == kind && input == inputStem &&
            output == outputStem && countsMatch)
            return 0;
    }
    return kDAE_NoRelatedType;
}

// ---- Chunk headers: the group's part

ComponentResult CEffectGroup::GetChunk(OSType type, SInt32 processIndex, OSType chunkID, SFicPlugInChunk* chunk)
{
    chunk->fVersion = SInt32(fVersion);
    chunk->fManufacturerID = fManufacturerID;
    return CProcessGroup::GetChunk(type, processIndex, chunkID, chunk);
}

ComponentResult CEffectGroup::SetChunk(OSType type, SInt32 processIndex, OSType chunkID,
                                       const SFicPlugInChunk* chunk)
{
    if (chunk->fManufacturerID != fManufacturerID)
        return kDAE_NoSuchChunk;
    return CProcessGroup::SetChunk(type, processIndex, chunkID, chunk);
}

ComponentResult CEffectGroup::CompareActiveChunk(OSType type, SInt32 processIndex, const SFicPlugInChunk* chunk,
                                                 Boolean* same)
{
    if (chunk->fManufacturerID != fManufacturerID)
        return kDAE_NoSuchChunk;
    return CProcessGroup::CompareActiveChunk(type, processIndex, chunk, same);
}
