#include "PrefetchingSource.h"

#include <algorithm>
#include <cstring>

PrefetchingSource::PrefetchingSource(std::unique_ptr<AudioSource> inner_) : inner(std::move(inner_))
{
    reader = std::thread([this] { readAhead(); });
}

PrefetchingSource::~PrefetchingSource()
{
    {
        std::lock_guard lock(mutex);
        stopping = true;
    }
    changed.notify_all();
    reader.join();
}

void PrefetchingSource::readAhead()
{
    for (;;)
    {
        std::unique_ptr<Chunk> chunk;
        {
            std::unique_lock lock(mutex);
            changed.wait(lock, [this] { return stopping || filled.size() < kChunksAhead; });
            if (stopping)
                return;
            if (!spare.empty())
            {
                chunk = std::move(spare.front());
                spare.pop_front();
            }
        }
        if (!chunk)
        {
            chunk = std::make_unique<Chunk>();
            chunk->left.resize(kChunkFrames);
            chunk->right.resize(kChunkFrames);
        }
        chunk->frames = inner->read(chunk->left.data(), chunk->right.data(), kChunkFrames);
        chunk->error = chunk->frames < 0 ? inner->error() : std::string();
        const bool last = chunk->frames <= 0;
        {
            std::lock_guard lock(mutex);
            filled.push_back(std::move(chunk));
        }
        changed.notify_all();
        if (last)
            return;
    }
}

PrefetchingSource::Chunk* PrefetchingSource::currentChunk()
{
    if (current && (current->frames <= 0 || currentOffset < current->frames))
        return current.get();
    std::unique_lock lock(mutex);
    if (current)
        spare.push_back(std::move(current));
    changed.wait(lock, [this] { return !filled.empty(); });
    current = std::move(filled.front());
    filled.pop_front();
    currentOffset = 0;
    lock.unlock();
    changed.notify_all();
    return current.get();
}

int32_t PrefetchingSource::read(float* left, float* right, int32_t frames)
{
    int32_t done = 0;
    while (done < frames)
    {
        Chunk* chunk = currentChunk();
        if (chunk->frames < 0)
        {
            failure = chunk->error;
            return -1;
        }
        if (chunk->frames == 0)
            break;
        const int32_t count = std::min(frames - done, chunk->frames - currentOffset);
        std::memcpy(left + done, chunk->left.data() + currentOffset, size_t(count) * sizeof(float));
        std::memcpy(right + done, chunk->right.data() + currentOffset, size_t(count) * sizeof(float));
        currentOffset += count;
        done += count;
    }
    return done;
}
