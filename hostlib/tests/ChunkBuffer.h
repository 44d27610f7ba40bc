#pragma once
// A chunk held in a heap block of exactly its stated extent, so that a read past the chunk is
// caught by AddressSanitizer.

#include <algorithm>
#include <memory>
#include <vector>

#include "ChunkDataParser.h"
#include "SFicPlugInChunk.h"

class ChunkBuffer
{
public:
    // A chunk of the given data whose size field says sizeField and whose block holds
    // max(sizeField, header) bytes.
    ChunkBuffer(const std::vector<Byte>& data, SInt32 sizeField)
        : fLength(std::max<size_t>(size_t(std::max<SInt32>(sizeField, 0)), kChunkHeaderSize)),
          fBytes(new Byte[fLength]())
    {
        std::copy_n(data.begin(), std::min(data.size(), fLength - kChunkHeaderSize),
                    fBytes.get() + kChunkHeaderSize);
        Header()->fSize = sizeField;
    }

    explicit ChunkBuffer(const std::vector<Byte>& data)
        : ChunkBuffer(data, SInt32(data.size()) + kChunkHeaderSize)
    {
    }

    static ChunkBuffer Of(const ChunkDataParser& parser)
    {
        ChunkBuffer chunk(std::vector<Byte>(size_t(parser.GetChunkDataSize()), 0xEE));
        parser.GetChunkData(chunk.Header());
        return chunk;
    }

    SFicPlugInChunk* Header() { return reinterpret_cast<SFicPlugInChunk*>(fBytes.get()); }

    std::vector<Byte> Data() const
    {
        return std::vector<Byte>(fBytes.get() + kChunkHeaderSize, fBytes.get() + fLength);
    }

private:
    size_t fLength;
    std::unique_ptr<Byte[]> fBytes;
};
