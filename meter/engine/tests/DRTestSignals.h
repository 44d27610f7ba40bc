// Signals and a block driver shared by the engine tests.
#pragma once

#include "DR.h"

#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

using DROutput = std::array<float, DR::kOutputSize>;

// Stereo sample generator: frame index -> (left, right).
using StereoSignal = std::function<std::pair<float, float>(int64_t)>;

inline StereoSignal sine(double amplitude, double hz, int32_t rate, double rightGain = 1.0)
{
    return [=](int64_t i) {
        const float s = float(amplitude * std::sin(2.0 * std::numbers::pi * hz * double(i) / rate));
        return std::pair{s, float(s * rightGain)};
    };
}

inline StereoSignal silence()
{
    return [](int64_t) { return std::pair{0.0f, 0.0f}; };
}

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
