// Reads another source ahead in large chunks on a thread of its own, so that decoding the file
// and running the meter overlap.
#pragma once

#include "AudioSource.h"

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class PrefetchingSource : public AudioSource
{
public:
    static constexpr int32_t kChunkFrames = 32768;
    static constexpr size_t kChunksAhead = 3;

    explicit PrefetchingSource(std::unique_ptr<AudioSource> inner);
    ~PrefetchingSource() override;
    PrefetchingSource(const PrefetchingSource&) = delete;
    PrefetchingSource& operator=(const PrefetchingSource&) = delete;

    int32_t sampleRate() const override { return inner->sampleRate(); }
    int32_t channels() const override { return inner->channels(); }
    int64_t frames() const override { return inner->frames(); }
    int32_t read(float* left, float* right, int32_t frames) override;

private:
    struct Chunk
    {
        std::vector<float> left, right;
        int32_t frames = 0; // 0 at the end, -1 on an error
        std::string error;
    };

    void readAhead();
    // The chunk being handed out, waiting for the reader when it is used up; null at the end.
    Chunk* currentChunk();

    std::unique_ptr<AudioSource> inner;
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::unique_ptr<Chunk>> filled, spare;
    std::unique_ptr<Chunk> current;
    int32_t currentOffset = 0;
    bool stopping = false;
    std::thread reader;
};
