// Audio processing and display ballistics of the meter effect; runs on the audio thread.
#include "Zodizedez.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace
{
constexpr auto relaxed = std::memory_order_relaxed;

// Reach time of a smoothing that moves by 1 - base every 15 ms: -1 / ln(base) / (200 / 3).
float reachTimeOf15msSteps(double base)
{
    return float(-1.0 / std::log(base) / 66.66666666666667);
}

float blockCoefficient(float reachTime, float fs, int32_t n)
{
    return float(std::exp(-double(n) / double(reachTime * fs)));
}

// Peak-style hold: a value at or above the hold takes it over; after holdLength samples the hold
// falls back by release once per block.
void followHold(float value, std::atomic<float>& hold, std::atomic<int32_t>& count, int32_t holdLength,
                float release, int32_t n)
{
    const float held = hold.load(relaxed);
    const int32_t counted = count.load(relaxed);
    if (value >= held)
    {
        hold.store(value, relaxed);
        count.store(0, relaxed);
    }
    else if (counted >= holdLength)
        hold.store(held * release, relaxed);
    else
        count.store(counted + n, relaxed);
}

void followPeakDisplay(float value, std::atomic<float>& display, float release)
{
    const float y = display.load(relaxed) * release;
    display.store(y < value ? value : y, relaxed);
}

void average(float value, std::atomic<float>& display, float gain)
{
    const float current = display.load(relaxed);
    display.store(current + (value - current) * gain, relaxed);
}

void smooth(float value, std::atomic<float>& smoothed, float coef)
{
    smoothed.store(coef * smoothed.load(relaxed) + (1.0f - coef) * value, relaxed);
}

void smoothPeak(float value, std::atomic<float>& smoothed, float riseCoef, float fallCoef)
{
    const float current = smoothed.load(relaxed);
    const float c = value > current ? riseCoef : fallCoef;
    smoothed.store(current * c + value * (1.0f - c), relaxed);
}

void passThrough(const float* input, float* output, int32_t n)
{
    if (input != output)
        std::memmove(output, input, size_t(n) * sizeof(float));
}
} // namespace

void Zodizedez::processFloat(float** inputs, float** outputs, int32_t frames)
{
    // A zero-length block carries nothing to measure; an instance not wired for stereo has no
    // second channel to read.
    if (frames <= 0 || getInputCount() < 2 || getOutputCount() < 2)
        return;
    const float fs = getSampleRate();
    if (fs != lastSampleRate || frames != lastBlockLen)
        recomputeBlockCoefficients(fs, frames);

    float slots[DR::kOutputSize];
    for (int32_t i = 0; i < DR::kOutputSize; ++i)
        slots[i] = analysis[size_t(i)].load(relaxed);
    engine->DoProcess(inputs[0], inputs[1], slots, frames);
    for (int32_t i = 0; i < DR::kOutputSize; ++i)
        analysis[size_t(i)].store(slots[i], relaxed);

    updateBallistics(slots, frames);
    passThrough(inputs[0], outputs[0], frames);
    passThrough(inputs[1], outputs[1], frames);
}

void Zodizedez::recomputeBlockCoefficients(float fs, int32_t n)
{
    const double x = n * -2.2;
    displayRelease = float(std::exp(x / (fs * 1.55)));
    holdLength = int32_t(fs + fs);
    rmsDisplayGain = float(1.0 - std::exp(x / fs));
    drSmoothCoef = peakRiseCoef = blockCoefficient(reachTimeOf15msSteps(0.95), fs, n);
    peakFallCoef = blockCoefficient(reachTimeOf15msSteps(0.99), fs, n);
    engine->sampleRateHz.store(int32_t(fs), relaxed);
    engine->recalc.store(2, relaxed);
    lastSampleRate = fs;
    lastBlockLen = n;
}

void Zodizedez::updateBallistics(const float* slots, int32_t n)
{
    followPeakDisplay(slots[DR::kOutBlockPeakL], peakDisplayL, displayRelease);
    followPeakDisplay(slots[DR::kOutBlockPeakR], peakDisplayR, displayRelease);
    followHold(slots[DR::kOutBlockPeakL], peakHoldL, peakHoldCountL, holdLength, displayRelease, n);
    followHold(slots[DR::kOutBlockPeakR], peakHoldR, peakHoldCountR, holdLength, displayRelease, n);
    average(slots[DR::kOutRmsL], rmsDisplayL, rmsDisplayGain);
    average(slots[DR::kOutRmsR], rmsDisplayR, rmsDisplayGain);
    followHold(slots[DR::kOutRmsL], rmsHoldL, rmsHoldCountL, holdLength, displayRelease, n);
    followHold(slots[DR::kOutRmsR], rmsHoldR, rmsHoldCountR, holdLength, displayRelease, n);
    smooth(slots[DR::kOutDynamicRangeL], drL, drSmoothCoef);
    smooth(slots[DR::kOutDynamicRangeR], drR, drSmoothCoef);
    smooth(slots[DR::kOutDynamicRangeLR], drLR, drSmoothCoef);
    smoothPeak(slots[DR::kOutPeakL], peakSmoothL, peakRiseCoef, peakFallCoef);
    smoothPeak(slots[DR::kOutPeakR], peakSmoothR, peakRiseCoef, peakFallCoef);
    smoothPeak(slots[DR::kOutPeakMax], peakSmoothMax, peakRiseCoef, peakFallCoef);
}

void Zodizedez::updateEffect(int32_t code, int32_t index)
{
    if (code == kUpdateParameter && index == kParamMono)
        engine->mono.store(getParameterStep(kParamMono) != 0 ? 1.0f : 0.0f, relaxed);
    else if (code == kUpdateParameter && index == kParamLink)
        linked.store(getParameterStep(kParamLink) != 0, relaxed);
    else if (code == kUpdateResetMeters)
        resetDisplays();
}

void Zodizedez::resetDisplays()
{
    for (auto* display : {&peakDisplayL, &peakDisplayR, &rmsDisplayL, &rmsDisplayR, &peakHoldL, &peakHoldR,
                          &rmsHoldL, &rmsHoldR, &drL, &drR, &drLR, &peakSmoothL, &peakSmoothR, &peakSmoothMax})
        display->store(0.0f, relaxed);
    for (auto* count : {&peakHoldCountL, &peakHoldCountR, &rmsHoldCountL, &rmsHoldCountR})
        count->store(0, relaxed);
    requestPeakReset();
    for (auto& slot : analysis)
        slot.store(0.0f, relaxed);
}

void Zodizedez::requestPeakReset()
{
    engine->resetPeaks.store(1.0f, relaxed);
    engine->recalc.store(1, relaxed);
}
