#include "DR.h"

#include "DRBlockMaximum.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace
{
constexpr auto relaxed = std::memory_order_relaxed;

// Mean squares below this are too quiet for a meaningful crest factor.
constexpr double kCrestFloor = 1e-10;
// State that has decayed this far is inaudible; zeroing it keeps denormals out of the sample loop.
constexpr float kTinyState = 1e-30f;
// Blocks the fast loop leaves alone are analysed through cleaned copies of this many frames at a time.
constexpr int32_t kCleanChunk = 256;
constexpr double kRmsScale = 1.4142;     // makes a sine's RMS read its peak level
constexpr double kCrestScale = 0.7071;   // makes a sine's crest factor read 1.0

// Non-finite samples are measured as silence so that one bad sample cannot poison the averages.
inline float analysable(float sample)
{
    return std::fabs(sample) <= FLT_MAX ? sample : 0.0f;
}

inline float limitedMagnitude(float magnitude)
{
    const float scaled = magnitude * 100.0f;
    return scaled < 1.0f ? scaled : 1.0f; // the processor's own min form: no branch
}

// Both samples scaled by 100 and limited to -1..1, multiplied: signals above 0.01 contribute only
// their signs. The sign of l * r is that of the product of the limited values.
inline float correlationProduct(float l, float r, float aL, float aR)
{
    return std::copysign(limitedMagnitude(aL) * limitedMagnitude(aR), l * r);
}

// A new maximum restarts the hold; once the hold has run out the peak releases every sample.
// Counting stops past the hold so the counter cannot overflow on long runs.
inline void holdPeak(float a, float& peak, int32_t& holdCount, int32_t holdSamples, float releaseCoef)
{
    if (a > peak)
    {
        peak = a;
        holdCount = 0;
    }
    else if (holdCount > holdSamples)
        peak *= releaseCoef;
    else
        ++holdCount;
}

inline void flushTiny(float& value)
{
    if (std::fabs(value) < kTinyState)
        value = 0.0f;
}

inline float reachCoefficient(double samples, double reachSamples)
{
    return float(std::exp(-2.2 * samples / reachSamples));
}
} // namespace

void DR::RecalcParam()
{
    const double fs = sampleRateHz.load(relaxed);
    const double n = blockLen;
    const double b = double(float(fs) * 1.67f);
    holdSamples = int32_t(b * 0.7);
    peakReleaseCoef = reachCoefficient(1, fs * 0.01);
    msCoef = reachCoefficient(1, fs * 0.5);
    corrCoef = reachCoefficient(1, fs);
    slowCoef = reachCoefficient(n, fs * 0.5);
    dropCoef = crestUpCoef = reachCoefficient(n, fs * 0.3);
    crestDownCoef = reachCoefficient(n, b);
    msGain = 1.0f - msCoef;
    corrGain = 1.0f - corrCoef;
    dropGain = 1.0f - dropCoef;
    slowGain = 1.0f - slowCoef;
    crestUpGain = 1.0f - crestUpCoef;
    crestDownGain = 1.0f - crestDownCoef;
}

void DR::DoProcess(float* left, float* right, float* out, int32_t frames)
{
    // Nothing to measure: a zero-length block leaves every reading as it was.
    if (frames <= 0)
        return;
    if (resetPeaks.exchange(0.0f, relaxed) != 0.0f)
        maxPeakL = maxPeakR = 0.0f;
    if (recalc.exchange(0, relaxed) != 0 || frames != blockLen)
    {
        blockLen = frames;
        RecalcParam();
    }

    BlockMaximum blockL, blockR;
    analyseBlock(left, right, frames, blockL, blockR);
    if (mono.load(relaxed) != 0.0f)
        writeMonoSum(left, right, frames);
    blockL.applyOverRule(maxPeakL);
    blockR.applyOverRule(maxPeakR);
    updateSlowMeanSquares();
    if (out != nullptr)
    {
        updateCrests(blockL.gated(), blockR.gated());
        writeOutput(out, blockL.gated(), blockR.gated());
    }
    flushTinyState();
}

void DR::analyseBlock(const float* left, const float* right, int32_t frames, BlockMaximum& blockL,
                      BlockMaximum& blockR)
{
    if (withinHold(frames) && analyseFiniteWithinHold(left, right, frames, blockL, blockR))
        return;
    float cleanL[kCleanChunk], cleanR[kCleanChunk];
    for (int32_t start = 0; start < frames; start += kCleanChunk)
    {
        const int32_t n = std::min(kCleanChunk, frames - start);
        for (int32_t i = 0; i < n; ++i)
        {
            cleanL[i] = analysable(left[start + i]);
            cleanR[i] = analysable(right[start + i]);
        }
        analyseSampleBySample(cleanL, cleanR, n, blockL, blockR);
    }
}

// Most blocks lie within the hold of both held peaks; they need no per-sample hold logic.
bool DR::withinHold(int32_t frames) const
{
    return int64_t(std::max(holdCountL, holdCountR)) + frames - 1 <= holdSamples;
}

// The general case, sample by sample: any held peak may run out of its hold here. It takes finite
// samples only; blocks reach it through cleaned copies.
void DR::analyseSampleBySample(const float* left, const float* right, int32_t frames, BlockMaximum& blockL,
                               BlockMaximum& blockR)
{
    const float release = peakReleaseCoef, mc = msCoef, mg = msGain, cc = corrCoef, cg = corrGain;
    const int32_t hold = holdSamples;
    BlockMaximum bL = blockL, bR = blockR;
    float pL = peakL, pR = peakR, mL = msL, mR = msR, corr = correlation;
    int32_t hL = holdCountL, hR = holdCountR;
    for (int32_t i = 0; i < frames; ++i)
    {
        const float l = left[i], r = right[i];
        const float aL = std::fabs(l), aR = std::fabs(r);
        bL.add(aL);
        bR.add(aR);
        holdPeak(aL, pL, hL, hold, release);
        holdPeak(aR, pR, hR, hold, release);
        mL = mc * mL + aL * aL * mg; // |l| squared is l squared, exactly
        mR = mc * mR + aR * aR * mg;
        corr = cc * corr + correlationProduct(l, r, aL, aR) * cg;
    }
    blockL = bL, blockR = bR;
    // The all-time peaks follow from the block maxima: the largest sample is the largest of either.
    maxPeakL = std::max(maxPeakL, bL.max);
    maxPeakR = std::max(maxPeakR, bR.max);
    peakL = pL, peakR = pR, msL = mL, msR = mR, correlation = corr;
    holdCountL = hL, holdCountR = hR;
}

// After the analysis, so the meters see the stereo input as it arrived.
void DR::writeMonoSum(float* left, float* right, int32_t frames)
{
    for (int32_t i = 0; i < frames; ++i)
        left[i] = right[i] = (left[i] + right[i]) * 0.5f;
}

void DR::updateSlowMeanSquares()
{
    auto follow = [this](float& msSlow, float ms) {
        // 0/0 when both are zero: not above 0.5, so the falling branch runs.
        if (ms / msSlow > 0.5f)
            msSlow = msSlow * slowCoef + ms * slowGain;
        else
            msSlow = msSlow * dropCoef + ms * dropGain;
    };
    follow(msSlowL, msL);
    follow(msSlowR, msR);
}

void DR::smoothCrest(float& crest, double x) const
{
    if (x > crest)
        crest = float(crest * crestUpCoef + x * crestUpGain);
    else
        crest = float(crest * crestDownCoef + x * crestDownGain);
}

void DR::updateCrest(float& crest, float peak, float ms, float gatedBlockPeak) const
{
    if (ms > kCrestFloor && peak * peak > ms)
        smoothCrest(crest, peak / std::sqrt(double(ms)));
    else if (gatedBlockPeak == 0.0f)
        crest *= crestUpCoef;
}

void DR::updateCrests(float gatedPeakL, float gatedPeakR)
{
    updateCrest(crestL, peakL, msL, gatedPeakL);
    updateCrest(crestR, peakR, msR, gatedPeakR);
    const float msSum = msL + msR;
    if (msSum > kCrestFloor && peakL * peakL > msL && peakR * peakR > msR)
        smoothCrest(crestLR, std::max(peakL, peakR) / std::sqrt(msSum * 0.5));
    else if (gatedPeakL == 0.0f && gatedPeakR == 0.0f)
        crestLR *= crestUpCoef;
}

void DR::writeOutput(float* out, float gatedPeakL, float gatedPeakR) const
{
    out[kOutBlockPeakL] = gatedPeakL;
    out[kOutBlockPeakR] = gatedPeakR;
    out[kOutRmsL] = float(std::sqrt(double(msSlowL)) * kRmsScale);
    out[kOutRmsR] = float(std::sqrt(double(msSlowR)) * kRmsScale);
    out[kOutMaxPeakL] = maxPeakL;
    out[kOutMaxPeakR] = maxPeakR;
    out[kOutDynamicRangeL] = float(crestL * kCrestScale);
    out[kOutPeakL] = peakL;
    out[kOutDynamicRangeR] = float(crestR * kCrestScale);
    out[kOutPeakR] = peakR;
    out[kOutDynamicRangeLR] = float(crestLR * kCrestScale);
    out[kOutPeakMax] = std::max(peakL, peakR);
    out[kOutSignalL] = gatedPeakL != 0.0f ? 1.0f : 0.0f;
    out[kOutSignalR] = gatedPeakR != 0.0f ? 1.0f : 0.0f;
    out[kOutCorrelation] = correlation;
}

void DR::flushTinyState()
{
    for (float* value : {&peakL, &peakR, &msL, &msR, &msSlowL, &msSlowR, &crestL, &crestR, &crestLR, &correlation})
        flushTiny(*value);
}

void DR::clear()
{
    peakL = peakR = msL = msR = maxPeakL = maxPeakR = crestL = crestR = crestLR = 0.0f;
    holdCountL = holdCountR = 0;
    recalc.store(2, relaxed);
}

bool DR::setParam(int32_t index, float value)
{
    if (index < 0 || index >= paramCount)
        return false;
    (index == kParamMono ? mono : resetPeaks).store(value, relaxed);
    recalc.store(1, relaxed);
    return true;
}
