// The running maximum of a block and the over rule that follows from it; shared by the engine's
// sample loops.
#pragma once

#include "DR.h"

#include <cmath>

// Block maxima below -80 dBFS count as digital silence.
constexpr float kSilenceGate = 0.0001f;
// A block maximum repeated exactly this often right after it was reached, at full scale, is an over.
constexpr int32_t kOverRepeats = 2;
constexpr float kOverThreshold = 0.9999f;

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

    // The repeats can change an all-time peak only when it is above the threshold and not yet 1.0.
    static bool repeatsMatter(float maxPeak) { return maxPeak > kOverThreshold && maxPeak != 1.0f; }

    static BlockMaximum of(const float* samples, int32_t frames)
    {
        BlockMaximum block;
        for (int32_t i = 0; i < frames; ++i)
            block.add(std::fabs(samples[i]));
        return block;
    }

    void applyOverRule(float& maxPeak) const
    {
        if (repeats == kOverRepeats && maxPeak > kOverThreshold)
            maxPeak = 1.0f;
    }
};

