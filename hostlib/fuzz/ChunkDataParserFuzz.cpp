// Feeds arbitrary chunk data to LoadChunk. The first input byte chooses the size field: below
// 0x80 it lowers the data's true extent by that many bytes (down to less than the header); from
// 0x80 on, the next four bytes give any size field up to the true extent. The block holds
// exactly the header and the data, so any read outside the chunk is reported. Whatever loads
// must write and read back to the same entries.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "ChunkDataParser.h"

namespace
{
std::unique_ptr<Byte[]> MakeChunk(const uint8_t* data, size_t size, SInt32 sizeField)
{
    std::unique_ptr<Byte[]> block(new Byte[kChunkHeaderSize + size]());
    std::memcpy(block.get() + kChunkHeaderSize, data, size);
    std::memcpy(block.get(), &sizeField, sizeof sizeField);
    return block;
}

void CheckRoundTrip(const ChunkDataParser& loaded)
{
    std::unique_ptr<Byte[]> block(new Byte[size_t(loaded.GetChunkSize())]);
    auto* chunk = reinterpret_cast<SFicPlugInChunk*>(block.get());
    loaded.GetChunkData(chunk);
    ChunkDataParser again;
    again.LoadChunk(chunk);
    // An empty parser writes the marker alone, which reads back as no entries.
    if (again.GetNumEntries() != loaded.GetNumEntries())
        __builtin_trap();
    for (size_t i = 0; i < loaded.GetNumEntries(); ++i)
        if (again.GetName(i) != loaded.GetName(i) || again.GetType(i) != loaded.GetType(i))
            __builtin_trap();
}

// The size field the input asks for, and where its chunk data starts.
SInt32 SizeFieldOf(const uint8_t* input, size_t size, size_t* dataStart)
{
    *dataStart = input[0] < 0x80 || size < 5 ? 1 : 5;
    const SInt32 trueSize = SInt32(kChunkHeaderSize + size - *dataStart);
    if (*dataStart == 1)
        return trueSize - SInt32(input[0] & 0x7F);
    SInt32 asked = 0;
    std::memcpy(&asked, input + 1, sizeof asked);
    return std::min(asked, trueSize);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* input, size_t size)
{
    if (size == 0 || size > 1 << 20)
        return 0;
    size_t dataStart = 0;
    const SInt32 sizeField = SizeFieldOf(input, size, &dataStart);
    std::unique_ptr<Byte[]> block = MakeChunk(input + dataStart, size - dataStart, sizeField);

    ChunkDataParser parser;
    parser.LoadChunk(reinterpret_cast<const SFicPlugInChunk*>(block.get()));
    CheckRoundTrip(parser);
    return 0;
}
