#pragma once
// The host's settings-chunk header. Its fields are in the machine's byte order; the chunk's
// data, owned by the plug-in, follows the header directly.

#include "HostTypes.h"

struct SFicPlugInChunk
{
    SInt32 fSize;            // header plus data
    SInt32 fVersion;
    OSType fManufacturerID;
    OSType fProductID;
    OSType fTypeID;
    OSType fChunkID;
    char fName[32];
};

constexpr SInt32 kChunkHeaderSize = 56;
static_assert(sizeof(SFicPlugInChunk) == kChunkHeaderSize);

inline Byte* ChunkDataOf(SFicPlugInChunk* chunk)
{
    return reinterpret_cast<Byte*>(chunk) + kChunkHeaderSize;
}

inline const Byte* ChunkDataOf(const SFicPlugInChunk* chunk)
{
    return reinterpret_cast<const Byte*>(chunk) + kChunkHeaderSize;
}
