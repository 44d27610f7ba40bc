#include "ChunkDataParser.h"

#include <bit>
#include <cstring>

#include "BigEndian.h"
#include "ChunkDataParserDefs.h"

using namespace ChunkDataParserDefs;

namespace
{
constexpr SInt32 kMarkerSize = 4;
constexpr SInt32 kPrefixLength = 2;

const char* PrefixOf(SInt32 type)
{
    switch (type)
    {
    case FLOAT_TYPE: return FLOAT_STRING_IDENTIFIER;
    case LONG_TYPE: return LONG_STRING_IDENTIFIER;
    case DOUBLE_TYPE: return DOUBLE_STRING_IDENTIFIER;
    default: return SHORT_STRING_IDENTIFIER;
    }
}

// 0 for a letter that names no type.
SInt32 TypeOfLetter(char letter)
{
    switch (letter)
    {
    case 'f': return FLOAT_TYPE;
    case 'l': return LONG_TYPE;
    case 'd': return DOUBLE_TYPE;
    case 's': return SHORT_TYPE;
    default: return 0;
    }
}

SInt32 ValueFieldSize(SInt32 type)
{
    return type == DOUBLE_TYPE ? 8 : 4;
}

// A short takes a 4-byte field but only its first two bytes are read.
SInt32 ValueReadSize(SInt32 type)
{
    return type == SHORT_TYPE ? 2 : ValueFieldSize(type);
}

SInt32 NameFieldSize(const std::string& name)
{
    SInt32 size = SInt32(kPrefixLength + name.size() + 1);
    ChunkDataParser::WordAlign(size);
    return size;
}

void WriteValue(Byte* out, UInt64 bits, SInt32 type)
{
    switch (type)
    {
    case DOUBLE_TYPE: WriteBigEndian64(out, bits); break;
    case SHORT_TYPE: WriteBigEndian16(out, UInt16(bits)); break;
    default: WriteBigEndian32(out, UInt32(bits)); break;
    }
}

UInt64 ReadValue(const Byte* in, SInt32 type)
{
    switch (type)
    {
    case DOUBLE_TYPE: return ReadBigEndian64(in);
    case SHORT_TYPE: return ReadBigEndian16(in);
    default: return ReadBigEndian32(in);
    }
}
} // namespace

ChunkDataParser::ChunkDataParser() : fFindCursor(-1), fChunkVersion(-1) {}

void ChunkDataParser::Clear()
{
    fNames.clear();
    fValues.clear();
    fTypes.clear();
    fFindCursor = -1;
    fChunkVersion = -1;
}

bool ChunkDataParser::IsEmpty() const
{
    return fValues.empty();
}

// ---- Adding entries

void ChunkDataParser::AddEntry(const char* name, UInt64 valueBits, SInt32 type)
{
    fNames.emplace_back(name != nullptr ? name : "");
    fValues.push_back(valueBits);
    fTypes.push_back(type);
}

void ChunkDataParser::AddInt16(const char* name, SInt16 value)
{
    AddEntry(name, UInt16(value), SHORT_TYPE);
}

void ChunkDataParser::AddInt32(const char* name, SInt32 value)
{
    AddEntry(name, UInt32(value), LONG_TYPE);
}

void ChunkDataParser::AddFloat(const char* name, float value)
{
    AddEntry(name, std::bit_cast<UInt32>(value), FLOAT_TYPE);
}

void ChunkDataParser::AddDouble(const char* name, double value)
{
    AddEntry(name, std::bit_cast<UInt64>(value), DOUBLE_TYPE);
}

// ---- Look-ups

// Searches on from the last hit, so look-ups in stored order cost one comparison each.
int ChunkDataParser::FindName(const std::string& name)
{
    const SInt32 count = SInt32(fNames.size());
    if (fFindCursor >= count - 1)
        fFindCursor = -1;
    for (SInt32 i = fFindCursor + 1; i < count; ++i)
        if (fNames[i] == name)
            return fFindCursor = i;
    for (SInt32 i = 0; i <= fFindCursor; ++i)
        if (fNames[i] == name)
            return fFindCursor = i;
    return -1;
}

const UInt64* ChunkDataParser::FindValueOfType(const char* name, SInt32 type)
{
    const int entry = FindName(name != nullptr ? name : "");
    if (entry < 0 || fTypes[entry] != type)
        return nullptr;
    return &fValues[entry];
}

bool ChunkDataParser::FindInt16(const char* name, SInt16* value)
{
    const UInt64* bits = FindValueOfType(name, SHORT_TYPE);
    if (bits != nullptr)
        *value = SInt16(UInt16(*bits));
    return bits != nullptr;
}

bool ChunkDataParser::FindInt32(const char* name, SInt32* value)
{
    const UInt64* bits = FindValueOfType(name, LONG_TYPE);
    if (bits != nullptr)
        *value = SInt32(UInt32(*bits));
    return bits != nullptr;
}

bool ChunkDataParser::FindFloat(const char* name, float* value)
{
    const UInt64* bits = FindValueOfType(name, FLOAT_TYPE);
    if (bits != nullptr)
        *value = std::bit_cast<float>(UInt32(*bits));
    return bits != nullptr;
}

bool ChunkDataParser::FindDouble(const char* name, double* value)
{
    const UInt64* bits = FindValueOfType(name, DOUBLE_TYPE);
    if (bits != nullptr)
        *value = std::bit_cast<double>(*bits);
    return bits != nullptr;
}

bool ChunkDataParser::ReplaceDouble(const char* name, double value)
{
    const int entry = FindName(name != nullptr ? name : "");
    if (entry < 0 || fTypes[entry] != DOUBLE_TYPE)
        return false;
    fValues[entry] = std::bit_cast<UInt64>(value);
    return true;
}

// ---- Writing

SInt32 ChunkDataParser::GetChunkDataSize() const
{
    SInt32 size = kMarkerSize;
    for (size_t i = 0; i < fNames.size(); ++i)
        size += NameFieldSize(fNames[i]) + ValueFieldSize(fTypes[i]);
    return size;
}

SInt32 ChunkDataParser::GetChunkSize() const
{
    return GetChunkDataSize() + kChunkHeaderSize;
}

SInt32 ChunkDataParser::GetChunkData(SFicPlugInChunk* chunk) const
{
    const SInt32 dataSize = GetChunkDataSize();
    chunk->fSize = dataSize + kChunkHeaderSize;
    Byte* data = ChunkDataOf(chunk);
    std::memset(data, 0, size_t(dataSize));
    WriteBigEndian32(data, VERSION_ID_1);
    SInt32 position = kMarkerSize;
    for (size_t i = 0; i < fNames.size(); ++i)
        position = WriteEntry(data, position, i);
    return 0;
}

SInt32 ChunkDataParser::WriteEntry(Byte* data, SInt32 position, size_t entry) const
{
    const std::string& name = fNames[entry];
    std::memcpy(data + position, PrefixOf(fTypes[entry]), kPrefixLength);
    std::memcpy(data + position + kPrefixLength, name.data(), name.size());
    position += NameFieldSize(name);
    WriteValue(data + position, fValues[entry], fTypes[entry]);
    return position + ValueFieldSize(fTypes[entry]);
}

// ---- Reading

void ChunkDataParser::LoadChunk(const SFicPlugInChunk* chunk)
{
    Clear();
    fChunkVersion = chunk->fVersion;
    if (chunk->fSize <= kChunkHeaderSize + kMarkerSize)
        return;
    const SInt32 dataSize = chunk->fSize - kChunkHeaderSize;
    const Byte* data = ChunkDataOf(chunk);
    if (ReadBigEndian32(data) != VERSION_ID_1)
        return;
    SInt32 position = kMarkerSize;
    while (position < dataSize && ReadEntry(data, dataSize, position))
    {
    }
}

// Appends the entry at position and moves past it. Answers false, appending nothing, where the
// data cannot be read on: an unknown type letter leaves the length of its value unknown, and a
// value field that runs past the data is cut off.
bool ChunkDataParser::ReadEntry(const Byte* data, SInt32 dataSize, SInt32& position)
{
    const char* text = reinterpret_cast<const char*>(data + position);
    const SInt32 textLength = SInt32(strnlen(text, size_t(dataSize - position)));
    const SInt32 type = textLength > 0 ? TypeOfLetter(text[0]) : 0;
    SInt32 valuePosition = position + textLength + 1;
    WordAlign(valuePosition);
    if (type == 0 || valuePosition > dataSize - ValueReadSize(type))
        return false;
    const SInt32 nameLength = textLength > kPrefixLength ? textLength - kPrefixLength : 0;
    fNames.emplace_back(text + textLength - nameLength, size_t(nameLength));
    fValues.push_back(ReadValue(data + valuePosition, type));
    fTypes.push_back(type);
    position = valuePosition + ValueFieldSize(type);
    return true;
}

void ChunkDataParser::WordAlign(SInt32& position)
{
    position = (position + 3) & ~SInt32(3);
}
