// Stereo test signals, generated frame by frame; shared by the meter's tests.
#pragma once

#include <cmath>
#include <cstdint>
#include <functional>
#include <numbers>
#include <utility>

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

inline StereoSignal constant(float left, float right)
{
    return [=](int64_t) { return std::pair{left, right}; };
}
