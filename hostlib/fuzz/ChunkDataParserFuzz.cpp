// Feeds arbitrary chunk data to LoadChunk. The first input byte lowers the size field below the
// data's true extent (down to less than the header); the block holds exactly what the size
// field and the data cover, so any read outside it is reported. Whatever loads must write and
// read back to the same entries.

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
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* input, size_t size)
{
    if (size == 0 || size > 1 << 20)
        return 0;
    const size_t dataSize = size - 1;
    const SInt32 sizeField = SInt32(kChunkHeaderSize + dataSize) - SInt32(input[0] % 64);
    std::unique_ptr<Byte[]> block = MakeChunk(input + 1, dataSize, sizeField);

    ChunkDataParser parser;
    parser.LoadChunk(reinterpret_cast<const SFicPlugInChunk*>(block.get()));
    CheckRoundTrip(parser);
    return 0;
}
