#include "DR.h"

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>

namespace
{
constexpr auto relaxed = std::memory_order_relaxed;

// Block maxima below -80 dBFS count as digital silence.
constexpr float kSilenceGate = 0.0001f;
// A block maximum repeated exactly this often right after it was reached, at full scale, is an over.
constexpr int32_t kOverRepeats = 2;
constexpr float kOverThreshold = 0.9999f;
// Mean squares below this are too quiet for a meaningful crest factor.
constexpr double kCrestFloor = 1e-10;
// State that has decayed this far is inaudible; zeroing it keeps denormals out of the sample loop.
constexpr float kTinyState = 1e-30f;
constexpr uint32_t kExponentBits = 0x7f800000u; // all set: infinity or not a number
// Blocks with a non-finite sample are analysed through a cleaned copy of this many frames at a time.
constexpr int32_t kCleanChunk = 256;
constexpr double kRmsScale = 1.4142;     // makes a sine's RMS read its peak level
constexpr double kCrestScale = 0.7071;   // makes a sine's crest factor read 1.0
} // namespace

// Running maximum of a block, with the number of samples that repeat it in an unbroken run
// directly after the sample that set it, added up over the block.
struct DR::BlockMaximum
{
    float max = 0;
    int32_t repeats = 0;
    bool raised = false;

    // Branch-free: in music the running maximum rises at unpredictable samples.
    void add(float a)
    {
        const bool repeat = raised & (a == max);
        repeats += repeat ? 1 : 0;
        raised = repeat | (a > max);
        max = a > max ? a : max;
    }

    float gated() const { return max < kSilenceGate ? 0.0f : max; }

    void applyOverRule(float& maxPeak) const
    {
        if (repeats == kOverRepeats && maxPeak > kOverThreshold)
            maxPeak = 1.0f;
    }
};

namespace
{
// Non-finite samples are measured as silence so that one bad sample cannot poison the averages.
inline float analysable(float sample)
{
    return std::fabs(sample) <= FLT_MAX ? sample : 0.0f;
}

// A bit test rather than a float compare, so that the scan vectorises.
bool allFinite(const float* samples, int32_t frames)
{
    uint32_t nonFinite = 0;
    for (int32_t i = 0; i < frames; ++i)
        nonFinite |= (std::bit_cast<uint32_t>(samples[i]) & kExponentBits) == kExponentBits ? 1u : 0u;
    return nonFinite == 0;
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
    if (allFinite(left, frames) && allFinite(right, frames))
    {
        analyseFinite(left, right, frames, blockL, blockR);
        return;
    }
    float cleanL[kCleanChunk], cleanR[kCleanChunk];
    for (int32_t start = 0; start < frames; start += kCleanChunk)
    {
        const int32_t n = std::min(kCleanChunk, frames - start);
        for (int32_t i = 0; i < n; ++i)
        {
            cleanL[i] = analysable(left[start + i]);
            cleanR[i] = analysable(right[start + i]);
        }
        analyseFinite(cleanL, cleanR, n, blockL, blockR);
    }
}

void DR::analyseFinite(const float* left, const float* right, int32_t frames, BlockMaximum& blockL,
                       BlockMaximum& blockR)
{
    // Most blocks lie within the hold of both held peaks; they need no per-sample hold logic.
    const int64_t lastCount = int64_t(std::max(holdCountL, holdCountR)) + frames - 1;
    if (lastCount > holdSamples)
        analyseSamples<true>(left, right, frames, blockL, blockR);
    else
        analyseSamples<false>(left, right, frames, blockL, blockR);
}

namespace
{
// Within the hold a held peak is the running maximum; it was last raised where the samples'
// own maximum first occurred.
struct RunningRise
{
    float max = 0;
    int32_t index = -1;

    void add(float a, int32_t i)
    {
        const bool above = a > max;
        max = above ? a : max;
        index = above ? i : index;
    }

    void settle(int32_t frames, float& peak, int32_t& holdCount) const
    {
        if (max > peak)
        {
            peak = max;
            holdCount = frames - 1 - index;
        }
        else
            holdCount += frames;
    }
};
} // namespace

// Takes finite samples only. Without mayRelease no held peak may reach the end of its hold here.
template <bool mayRelease>
void DR::analyseSamples(const float* left, const float* right, int32_t frames, BlockMaximum& blockL,
                        BlockMaximum& blockR)
{
    const float release = peakReleaseCoef, mc = msCoef, mg = msGain, cc = corrCoef, cg = corrGain;
    const int32_t hold = holdSamples;
    BlockMaximum bL = blockL, bR = blockR;
    RunningRise riseL, riseR;
    float pL = peakL, pR = peakR, mL = msL, mR = msR, corr = correlation;
    int32_t hL = holdCountL, hR = holdCountR;
    for (int32_t i = 0; i < frames; ++i)
    {
        const float l = left[i], r = right[i];
        const float aL = std::fabs(l), aR = std::fabs(r);
        bL.add(aL);
        bR.add(aR);
        if constexpr (mayRelease)
        {
            holdPeak(aL, pL, hL, hold, release);
            holdPeak(aR, pR, hR, hold, release);
        }
        else
        {
            riseL.add(aL, i);
            riseR.add(aR, i);
        }
        mL = mc * mL + aL * aL * mg; // |l| squared is l squared, exactly
        mR = mc * mR + aR * aR * mg;
        corr = cc * corr + correlationProduct(l, r, aL, aR) * cg;
    }
    if constexpr (!mayRelease)
    {
        riseL.settle(frames, pL, hL);
        riseR.settle(frames, pR, hR);
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
