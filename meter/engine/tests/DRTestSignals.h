// A block driver for the engine tests.
#pragma once

#include "DR.h"
#include "StereoSignals.h"

#include <array>
#include <tuple>
#include <vector>

using DROutput = std::array<float, DR::kOutputSize>;

// Feeds blocks of the signal to the engine, as the meter does, and keeps the last output.
class DRDriver
{
public:
    explicit DRDriver(int32_t rate = 44100) { engine.sampleRateHz = rate; }

    void run(const StereoSignal& signal, double seconds, int32_t block = 512, bool withOutput = true)
    {
        const int64_t frames = int64_t(seconds * engine.sampleRateHz);
        for (int64_t done = 0; done < frames; done += block)
            runBlock(signal, block, withOutput);
    }

    void runBlock(const StereoSignal& signal, int32_t block, bool withOutput = true)
    {
        left.resize(size_t(block));
        right.resize(size_t(block));
        for (int32_t i = 0; i < block; ++i)
            std::tie(left[size_t(i)], right[size_t(i)]) = signal(position + i);
        position += block;
        engine.DoProcess(left.data(), right.data(), withOutput ? out.data() : nullptr, block);
    }

    DR engine;
    DROutput out{};
    std::vector<float> left, right;
    int64_t position = 0;
};
