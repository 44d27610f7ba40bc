// The adapter's settings chunk 'qvck', "Parameter Chunk": the effect's state blob, unchanged,
// behind the chunk header. Other chunk ids are the library's.

#include <cstring>

#include "CPTAdapterProcess.h"
#include "QVEffect.h"
#include "QVString.h"

namespace
{
constexpr char kParameterChunkName[] = "Parameter Chunk";
constexpr SInt32 kChunkNameLength = 31;
} // namespace

ComponentResult CPTAdapterProcess::GetNumChunks(SInt32* numChunks)
{
    *numChunks = 1;
    return 0;
}

ComponentResult CPTAdapterProcess::GetIndexedChunkID(SInt32 index, OSType* chunkID)
{
    if (index != 1)
        return CEffectProcess::GetIndexedChunkID(index, chunkID);
    *chunkID = kParameterChunkID;
    return 0;
}

ComponentResult CPTAdapterProcess::DescribeChunk(OSType chunkID, unsigned char* name)
{
    if (chunkID != kParameterChunkID)
        return CEffectProcess::DescribeChunk(chunkID, name);
    qv_strncpy(reinterpret_cast<char*>(name), kParameterChunkName, kChunkNameLength, 0);
    my_c2pstr(reinterpret_cast<char*>(name));
    return 0;
}

ComponentResult CPTAdapterProcess::GetChunkSize(OSType chunkID, SInt32* size)
{
    if (chunkID != kParameterChunkID)
        return CEffectProcess::GetChunkSize(chunkID, size);
    *size = effect->getStateSize() + kChunkHeaderSize;
    return 0;
}

ComponentResult CPTAdapterProcess::GetChunk(OSType chunkID, SFicPlugInChunk* chunk)
{
    if (chunkID != kParameterChunkID)
        return CEffectProcess::GetChunk(chunkID, chunk);
    effect->saveState(ChunkDataOf(chunk));
    chunk->fSize = effect->getStateSize() + kChunkHeaderSize;
    return 0;
}

// The effect reads only the data the size field describes; a blob it refuses goes to the library.
// A size field below the header describes no data at all.
ComponentResult CPTAdapterProcess::SetChunk(OSType chunkID, const SFicPlugInChunk* chunk)
{
    const SInt32 dataSize = chunk->fSize >= kChunkHeaderSize ? chunk->fSize - kChunkHeaderSize : -1;
    if (chunkID == kParameterChunkID && effect->restoreState(ChunkDataOf(chunk), dataSize, true))
        return 0;
    return CEffectProcess::SetChunk(chunkID, chunk);
}

// A 'qvck' chunk of another size is left to the library, which counts it as equal.
ComponentResult CPTAdapterProcess::CompareActiveChunk(const SFicPlugInChunk* chunk, Boolean* same)
{
    if (chunk->fChunkID != kParameterChunkID || chunk->fSize != effect->getStateSize() + kChunkHeaderSize)
        return CEffectProcess::CompareActiveChunk(chunk, same);
    *same = EqualsCurrentState(*chunk) ? 1 : 0;
    return 0;
}

bool CPTAdapterProcess::EqualsCurrentState(const SFicPlugInChunk& chunk)
{
    const SInt32 stateSize = effect->getStateSize();
    if (!compareBuffer)
        compareBuffer = std::make_unique<Byte[]>(size_t(stateSize));
    effect->saveState(compareBuffer.get());
    return std::memcmp(compareBuffer.get(), ChunkDataOf(&chunk), size_t(stateSize)) == 0;
}
