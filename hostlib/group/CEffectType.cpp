#include "CEffectType.h"

#include <algorithm>
#include <cstring>

#include "CDAEError.h"
#include "CEffectProcess.h"
#include "HostStrings.h"

namespace
{
constexpr OSType kDefaultRelationID = FourCC("grID");
constexpr SInt32 kGestaltCategory = 21;
constexpr SInt32 kGestaltSampleRateSupport = 32;
constexpr SInt32 kCardKinds[] = {18, 21, 26, 29};

// The slot of a card kind in the support table, or -1 for a kind not listed.
int CardSlot(SInt32 cardKind)
{
    const auto found = std::find(std::begin(kCardKinds), std::end(kCardKinds), cardKind);
    return found != std::end(kCardKinds) ? int(found - std::begin(kCardKinds)) : -1;
}

void CopyPascal(unsigned char* out, const char* text, SInt32 maxLen)
{
    GetStringOfLength(reinterpret_cast<char*>(out), text, std::min<SInt32>(maxLen, 255));
    CToPascalInPlace(out);
}
} // namespace

SInt32 ChannelsOfStemFormat(EPlugIn_StemFormat format)
{
    switch (format)
    {
    case ePlugIn_StemFormat_Mono:
        return 1;
    case ePlugIn_StemFormat_Stereo:
        return 2;
    default:
        return 0;
    }
}

CEffectType::CEffectType(OSType plugInOSType, OSType productID, SInt32 plugInKind, UInt32 categoryAnswer)
    : CProcessType(plugInKind),
      fPlugInOSType(plugInOSType),
      fProductID(productID),
      fRelationID(kDefaultRelationID),
      fCategoryAnswer(categoryAnswer)
{
    fGestalts.insert(7);
}

// ---- Definers

void CEffectType::DefineTypeNames(const char* names)
{
    fTypeNames = names;
}

void CEffectType::DefineRelationID(OSType id)
{
    fRelationID = id;
}

void CEffectType::DefineSampleRateSupport(SInt32 value)
{
    fSampleRateSupport = value;
}

void CEffectType::DefineSampleRateSupportForCardType(SInt32 value, SInt32 cardKind)
{
    if (cardKind == -1)
        fSampleRateSupport = value;
    const int slot = CardSlot(cardKind);
    if (slot >= 0)
        fCardSampleRateSupport[slot] = value & (slot < 2 ? 1 : 7);
}

void CEffectType::DefineStemFormats(EPlugIn_StemFormat input, EPlugIn_StemFormat output, EPlugIn_StemFormat third)
{
    AddGestalt(kGestaltStemFormats);
    fStemFormats[0] = input;
    fStemFormats[1] = output;
    fStemFormats[2] = third;
    if (input != ePlugIn_StemFormat_Generic)
        fInputs = ChannelsOfStemFormat(input);
    if (output != ePlugIn_StemFormat_Generic)
        fOutputs = ChannelsOfStemFormat(output);
}

void CEffectType::DefineGenericNumInputsAndOutputs(SInt32 inputs, SInt32 outputs)
{
    DefineStemFormats(ePlugIn_StemFormat_Generic, ePlugIn_StemFormat_Generic, ePlugIn_StemFormat_Mono);
    fInputs = inputs;
    fOutputs = outputs;
}

void CEffectType::AddGestalt(SInt32 selector)
{
    fGestalts.insert(selector);
    if (selector == 41)
        fGestalts.insert(30);
}

void CEffectType::RemoveGestalt(SInt32 selector)
{
    fGestalts.erase(selector);
}

void CEffectType::AttachEffectProcessCreator(ProcessCreator creator, void*)
{
    fCreator = creator;
}

void CEffectType::DefinePageTableName(const char* name)
{
    fPageTableName = name;
}

// ---- Answers

void CEffectType::GetProductAndRelationIDs(OSType* product, OSType* relation) const
{
    *product = fProductID;
    *relation = fRelationID;
}

void CEffectType::GetStemFormats(EPlugIn_StemFormat* input, EPlugIn_StemFormat* output,
                                 EPlugIn_StemFormat* third) const
{
    *input = fStemFormats[0];
    *output = fStemFormats[1];
    *third = fStemFormats[2];
}

ComponentResult CEffectType::GetStemFormats(SInt32* input, SInt32* output, SInt32* third)
{
    *input = fStemFormats[0];
    *output = fStemFormats[1];
    *third = fStemFormats[2];
    return 0;
}

SInt32 CEffectType::GetSampleRateSupportForCardType(SInt32 cardKind) const
{
    const int slot = CardSlot(cardKind);
    return slot >= 0 ? fCardSampleRateSupport[slot] : 1;
}

ComponentResult CEffectType::GetProcessTypeName(SInt32 maxLen, char* out)
{
    CopyPascal(reinterpret_cast<unsigned char*>(out), fTypeNames.c_str(), maxLen);
    return 0;
}

ComponentResult CEffectType::GetNumAudioInputs(SInt32, SInt16* count)
{
    *count = SInt16(fInputs);
    return 0;
}

ComponentResult CEffectType::GetNumAudioOutputs(SInt32, SInt16* count)
{
    *count = SInt16(fOutputs);
    return 0;
}

ComponentResult CEffectType::GetPageTableResourceName(unsigned char* out)
{
    if (fPageTableName.empty())
        return CProcessType::GetPageTableResourceName(out);
    CopyPascal(out, fPageTableName.c_str(), 255);
    return 0;
}

ComponentResult CEffectType::DoSetCursor(SInt32 processIndex, EventRecord* event)
{
    auto* process = dynamic_cast<CEffectProcess*>(GetProcessFromIndex(processIndex));
    return process != nullptr ? process->DoSetCursor(event) : kDAE_NoSuchProcess;
}

// Without DSP cards only the generic support applies.
SInt32 CEffectType::SampleRateSupport() const
{
    if (GetPlugInType() != ePlugInKindDSPCard)
        return fSampleRateSupport;
    const SInt32 kind29 = GetSampleRateSupportForCardType(29);
    return kind29 == 1 ? GetSampleRateSupportForCardType(26) : kind29;
}

ComponentResult CEffectType::Gestalt(SInt32 selector, SInt32* value)
{
    if (selector == kGestaltCategory)
        *value = SInt32(fCategoryAnswer);
    else if (selector == kGestaltSampleRateSupport)
        *value = SampleRateSupport();
    else
        *value = fGestalts.contains(selector) ? 1 : 0;
    if (selector == kGestaltSideChain && *value == 1)
        *value = fInputs + 1;
    return 0;
}

CProcess* CEffectType::CreateCDSPProcess()
{
    return fCreator != nullptr ? fCreator() : nullptr;
}

// ---- Chunks: the type's part of the header

ComponentResult CEffectType::GetChunk(SInt32 processIndex, OSType chunkID, SFicPlugInChunk* chunk)
{
    chunk->fProductID = fProductID;
    chunk->fTypeID = fPlugInOSType;
    chunk->fChunkID = chunkID;
    chunk->fName[0] = 0;
    return CProcessType::GetChunk(processIndex, chunkID, chunk);
}

ComponentResult CEffectType::SetChunk(SInt32 processIndex, OSType chunkID, const SFicPlugInChunk* chunk)
{
    if (chunk->fProductID != fProductID)
        return kDAE_NoSuchChunk;
    return CProcessType::SetChunk(processIndex, chunkID, chunk);
}

ComponentResult CEffectType::CompareActiveChunk(SInt32 processIndex, const SFicPlugInChunk* chunk, Boolean* same)
{
    if (chunk->fProductID != fProductID)
        return kDAE_NoSuchChunk;
    return CProcessType::CompareActiveChunk(processIndex, chunk, same);
}
