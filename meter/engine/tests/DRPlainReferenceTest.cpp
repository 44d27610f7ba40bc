// The engine against its rules written out sample by sample (PlainDR.h): every field, every output
// slot and the buffers must agree bit for bit after every block, on random music-like signals and
// on the edges the optimised loops treat specially.
#include "PlainDR.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <functional>
#include <limits>
#include <random>
#include <vector>

namespace
{
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

using Sampler = std::function<float(std::mt19937&, int64_t frame)>;

struct Case
{
    const char* name;
    Sampler sample;
    std::vector<int32_t> blocks; // cycled through until the duration is reached
    double seconds = 4.0;
    int32_t rate = 44100;
    bool mono = false;
};

float noise(std::mt19937& random, float level)
{
    return std::uniform_real_distribution<float>(-level, level)(random);
}

// Quiet and loud stretches in turn, so that held peaks rise, hold, expire and release.
float phrases(std::mt19937& random, int64_t frame)
{
    const int64_t phrase = frame / 30011;
    return noise(random, phrase % 3 == 0 ? 0.9f : phrase % 3 == 1 ? 0.05f : 0.3f);
}

// Runs of one to four equal samples at and just below full scale among noise: the over rule's cases.
float overRuns(std::mt19937& random, int64_t)
{
    static thread_local int32_t runLeft = 0;
    static thread_local float runValue = 0;
    if (runLeft > 0)
    {
        --runLeft;
        return runValue;
    }
    if (std::uniform_int_distribution<int>(0, 600)(random) == 0)
    {
        const float values[] = {1.0f, -1.0f, 0.99995f, 0.9999f, 0.5f};
        runValue = values[std::uniform_int_distribution<int>(0, 4)(random)];
        runLeft = std::uniform_int_distribution<int>(0, 3)(random);
        return runValue;
    }
    return noise(random, 0.6f);
}

float nonFinite(std::mt19937& random, int64_t frame)
{
    const float bad[] = {kNaN, kInf, -kInf};
    if (std::uniform_int_distribution<int>(0, 3000)(random) == 0)
        return bad[std::uniform_int_distribution<int>(0, 2)(random)];
    return phrases(random, frame);
}

float denormals(std::mt19937& random, int64_t frame)
{
    const float tiny = std::numeric_limits<float>::denorm_min();
    if (frame % 50000 < 40000)
        return tiny * float(std::uniform_int_distribution<int>(-5000, 5000)(random));
    return noise(random, 1e-3f);
}

// Long silences past the hold, then a single click, then silence: the hold runs out inside blocks.
float clicks(std::mt19937&, int64_t frame)
{
    return frame % 70001 == 5 ? 0.7f : frame % 70001 == 40000 ? 0.2f : 0.0f;
}

// Around the silence gate, with block maxima exactly at it, and exact zeros.
float nearGate(std::mt19937& random, int64_t frame)
{
    const int64_t stretch = (frame / 4096) % 3;
    if (stretch == 0)
        return noise(random, 0.00011f);
    if (stretch == 1)
        return frame % 777 == 0 ? 0.0001f : noise(random, 0.00009f);
    return 0.0f;
}

const Case kCases[] = {
    {"phrases in 512-frame blocks", phrases, {512}},
    {"phrases in ragged blocks", phrases, {1, 7, 333, 512, 4096, 100, 2, 65536}},
    {"over runs", overRuns, {512, 64, 3}},
    {"non-finite samples", nonFinite, {512, 300, 65536, 1}},
    {"denormals", denormals, {512, 4096}},
    {"clicks past the hold", clicks, {512, 4096, 65536, 1000}, 8.0},
    {"clicks at 8 kHz", clicks, {7, 64}, 20.0, 8000},
    {"phrases at 384 kHz", phrases, {4096, 65536}, 1.0, 384000},
    {"near the gate", nearGate, {512, 31}},
    {"mono", phrases, {512, 17}, 2.0, 48000, true},
};

uint32_t bits(float value)
{
    return std::bit_cast<uint32_t>(value);
}

// Every field the block touches, as raw bits.
std::vector<uint32_t> stateOf(const DR& e)
{
    return {bits(e.peakL),      bits(e.peakR),          bits(e.msL),        bits(e.msR),
            bits(e.msSlowL),    bits(e.msSlowR),        bits(e.maxPeakL),   bits(e.maxPeakR),
            bits(e.crestL),     bits(e.crestR),         bits(e.crestLR),    bits(e.correlation),
            uint32_t(e.holdCountL), uint32_t(e.holdCountR), uint32_t(e.blockLen), bits(e.resetPeaks.load())};
}

std::vector<uint32_t> bitsOf(const float* values, size_t count)
{
    std::vector<uint32_t> result(count);
    std::memcpy(result.data(), values, count * sizeof(float));
    return result;
}
} // namespace

TEST(DRPlainReference, EveryBlockMatchesTheSampleBySampleRulesBitForBit)
{
    for (const Case& c : kCases)
    {
        SCOPED_TRACE(c.name);
        DR engine, plain;
        engine.sampleRateHz = plain.sampleRateHz = c.rate;
        engine.setParam(DR::kParamMono, c.mono ? 1.0f : 0.0f);
        plain.setParam(DR::kParamMono, c.mono ? 1.0f : 0.0f);
        std::mt19937 random(20261211);
        const int64_t total = int64_t(c.seconds * c.rate);
        int64_t position = 0;
        for (size_t b = 0; position < total; ++b)
        {
            const int32_t frames = c.blocks[b % c.blocks.size()];
            std::vector<float> left(static_cast<size_t>(frames)), right(static_cast<size_t>(frames));
            for (int32_t i = 0; i < frames; ++i)
            {
                left[size_t(i)] = c.sample(random, position + i);
                right[size_t(i)] = i % 5 == 0 ? left[size_t(i)] : c.sample(random, position + i);
            }
            std::vector<float> plainLeft = left, plainRight = right;
            float out[DR::kOutputSize] = {}, plainOut[DR::kOutputSize] = {};
            if (b % 97 == 50) // a peak reset now and then, as the Reset button asks
            {
                engine.setParam(DR::kParamResetPeaks, 1.0f);
                plain.setParam(DR::kParamResetPeaks, 1.0f);
            }
            const bool withOutput = b % 13 != 12;
            engine.DoProcess(left.data(), right.data(), withOutput ? out : nullptr, frames);
            plainDoProcess(plain, plainLeft.data(), plainRight.data(), withOutput ? plainOut : nullptr, frames);
            ASSERT_EQ(stateOf(engine), stateOf(plain)) << "block " << b << " at frame " << position;
            ASSERT_EQ(bitsOf(out, DR::kOutputSize), bitsOf(plainOut, DR::kOutputSize)) << "block " << b;
            ASSERT_EQ(bitsOf(left.data(), left.size()), bitsOf(plainLeft.data(), left.size())) << "block " << b;
            ASSERT_EQ(bitsOf(right.data(), right.size()), bitsOf(plainRight.data(), right.size())) << "block " << b;
            position += frames;
        }
    }
}
