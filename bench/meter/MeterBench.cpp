// Frames per second of DR::DoProcess and Zodizedez::processFloat at three block sizes, beside a
// baseline loop that does the least any such meter must do (per channel: absolute peak and a
// one-pole mean square) over the same buffers.
#include "DR.h"
#include "Zodizedez.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

namespace
{
constexpr int32_t kRate = 44100;

struct StereoBuffers
{
    // Tones with noise, like music: the signs and running maxima change unpredictably.
    explicit StereoBuffers(int32_t frames) : left(size_t(frames)), right(size_t(frames)), outL(left), outR(right)
    {
        uint32_t noise = 12345u;
        auto next = [&] {
            noise = noise * 1664525u + 1013904223u;
            return float(int32_t(noise)) / 2147483648.0f;
        };
        for (int32_t i = 0; i < frames; ++i)
        {
            left[size_t(i)] = float(0.5 * std::sin(0.0627 * i) + 0.2 * next());
            right[size_t(i)] = float(0.4 * std::sin(0.0581 * i + 1.0) + 0.2 * next());
        }
        outL = left;
        outR = right;
    }
    std::vector<float> left, right, outL, outR;
};

struct BaselineMeter
{
    float peakL = 0, peakR = 0, msL = 0, msR = 0;
    float coef = 0.9999f, gain = 1.0f - 0.9999f;

    void process(const float* left, const float* right, int32_t frames)
    {
        for (int32_t i = 0; i < frames; ++i)
        {
            peakL = std::max(peakL, std::fabs(left[i]));
            peakR = std::max(peakR, std::fabs(right[i]));
            msL = coef * msL + left[i] * left[i] * gain;
            msR = coef * msR + right[i] * right[i] * gain;
        }
    }
};

void Baseline(benchmark::State& state)
{
    const auto frames = int32_t(state.range(0));
    StereoBuffers buffers(frames);
    BaselineMeter meter;
    for (auto _ : state)
    {
        meter.process(buffers.left.data(), buffers.right.data(), frames);
        benchmark::DoNotOptimize(meter);
    }
    state.SetItemsProcessed(state.iterations() * frames);
}

void DRDoProcess(benchmark::State& state)
{
    const auto frames = int32_t(state.range(0));
    StereoBuffers buffers(frames);
    DR engine;
    float out[DR::kOutputSize] = {};
    for (auto _ : state)
    {
        engine.DoProcess(buffers.left.data(), buffers.right.data(), out, frames);
        benchmark::DoNotOptimize(out);
    }
    state.SetItemsProcessed(state.iterations() * frames);
}

void ZodizedezProcessFloat(benchmark::State& state)
{
    const auto frames = int32_t(state.range(0));
    StereoBuffers buffers(frames);
    std::unique_ptr<QVEffect> effect{createQVEffect(QVEffect::kPluginTypeRealTime, QVEffect::kChannelModeStereo)};
    effect->setSampleRateBlockSize(float(kRate), frames);
    effect->setChannelConfig(2, 2);
    float* inputs[2] = {buffers.left.data(), buffers.right.data()};
    float* outputs[2] = {buffers.outL.data(), buffers.outR.data()};
    for (auto _ : state)
    {
        if (effect->checkProcessFloat(inputs, outputs, frames))
            effect->processFloat(inputs, outputs, frames);
        benchmark::DoNotOptimize(buffers.outL.data());
    }
    state.SetItemsProcessed(state.iterations() * frames);
}
} // namespace

BENCHMARK(Baseline)->Arg(32)->Arg(512)->Arg(4096);
BENCHMARK(DRDoProcess)->Arg(32)->Arg(512)->Arg(4096);
BENCHMARK(ZodizedezProcessFloat)->Arg(32)->Arg(512)->Arg(4096);
