#pragma once
// Reader and writer of the named-value chunk data: a marker, then entries of a typed,
// zero-terminated name and a big-endian value, each name field padded to a 4-byte boundary.

#include <string>
#include <vector>

#include "HostTypes.h"
#include "SFicPlugInChunk.h"

class ChunkDataParser
{
public:
    ChunkDataParser();
    virtual ~ChunkDataParser() = default;

    void Clear();
    bool IsEmpty() const;

    void AddInt16(const char* name, SInt16 value);
    void AddInt32(const char* name, SInt32 value);
    void AddFloat(const char* name, float value);
    void AddDouble(const char* name, double value);

    int FindName(const std::string& name);
    bool FindInt16(const char* name, SInt16* value);
    bool FindInt32(const char* name, SInt32* value);
    bool FindFloat(const char* name, float* value);
    bool FindDouble(const char* name, double* value);
    bool ReplaceDouble(const char* name, double value);

    SInt32 GetChunkDataSize() const;
    SInt32 GetChunkSize() const;
    // The chunk must have room for GetChunkSize() bytes.
    SInt32 GetChunkData(SFicPlugInChunk* chunk) const;
    // Reads no byte outside the chunk's size field, whatever the data holds.
    void LoadChunk(const SFicPlugInChunk* chunk);

    static void WordAlign(SInt32& position);

    SInt32 GetChunkVersion() const { return fChunkVersion; }
    size_t GetNumEntries() const { return fNames.size(); }
    const std::string& GetName(size_t entry) const { return fNames[entry]; }
    SInt32 GetType(size_t entry) const { return fTypes[entry]; }

private:
    void AddEntry(const char* name, UInt64 valueBits, SInt32 type);
    const UInt64* FindValueOfType(const char* name, SInt32 type);
    SInt32 WriteEntry(Byte* data, SInt32 position, size_t entry) const;
    bool ReadEntry(const Byte* data, SInt32 dataSize, SInt32& position);

    SInt32 fFindCursor;
    SInt32 fChunkVersion;
    std::vector<std::string> fNames;
    std::vector<UInt64> fValues;
    std::vector<SInt32> fTypes;
};
