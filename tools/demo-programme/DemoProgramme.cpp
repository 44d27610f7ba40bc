#include "DemoProgramme.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace
{
constexpr double kTwoPi = 2.0 * std::numbers::pi;

struct Frame
{
    float left, right;
};

// Deterministic white noise in -1..1, so every run shows the same readings.
class Noise
{
public:
    float next()
    {
        state = state * 1664525u + 1013904223u;
        return float(int32_t(state)) / 2147483648.0f;
    }

private:
    uint32_t state = 20261211u;
};

Frame fullScaleSine(double t)
{
    const float s = float(std::sin(kTwoPi * 997.0 * t));
    return {s, s};
}

// A dense, heavily limited mix: little distance between peak and RMS.
Frame compressedPassage(double t, Noise& noise)
{
    auto mix = [&](double phase) {
        const double tone = 0.3 * std::sin(kTwoPi * 110.0 * t + phase) + 0.2 * std::sin(kTwoPi * 330.0 * t) +
                            0.5 * noise.next();
        return float(0.9 * std::tanh(1.6 * tone));
    };
    return {mix(0.0), mix(0.7)};
}

// Plucked notes that ring out over a quiet bed: far more peak than RMS.
Frame dynamicPassage(double t, Noise& noise)
{
    const double sinceNote = std::fmod(t, 0.5);
    const double pitch = 220.0 * (1 + int(t / 0.5) % 4) / 2.0 + 110.0;
    const double note = 0.9 * std::exp(-sinceNote / 0.06) * std::sin(kTwoPi * pitch * sinceNote);
    const double bed = 0.01 * noise.next();
    return {float(note + bed), float(0.8 * note + bed)};
}

Frame leftOnlyPassage(double t)
{
    return {float(0.25 * std::sin(kTwoPi * 440.0 * t)), 0.0f};
}
} // namespace

const std::vector<const char*>& DemoProgramme::passageNames()
{
    static const std::vector<const char*> names = {"full-scale sine", "compressed", "dynamic", "left only",
                                                   "digital silence"};
    return names;
}

DemoProgramme::DemoProgramme()
{
    const auto passageFrames = size_t(kPassageFrames);
    const size_t total = passageFrames * passageNames().size();
    left.resize(total);
    right.resize(total);
    Noise noise;
    for (size_t i = 0; i < total; ++i)
    {
        const double t = double(i % passageFrames) / kRate;
        Frame frame{0.0f, 0.0f};
        switch (i / passageFrames)
        {
        case 0: frame = fullScaleSine(t); break;
        case 1: frame = compressedPassage(t, noise); break;
        case 2: frame = dynamicPassage(t, noise); break;
        case 3: frame = leftOnlyPassage(t); break;
        default: break;
        }
        left[i] = frame.left;
        right[i] = frame.right;
    }
}

int32_t DemoProgramme::read(float* leftOut, float* rightOut, int32_t frames)
{
    const size_t count = std::min(size_t(frames), left.size() - position);
    std::memcpy(leftOut, left.data() + position, count * sizeof(float));
    std::memcpy(rightOut, right.data() + position, count * sizeof(float));
    position += count;
    return int32_t(count);
}
