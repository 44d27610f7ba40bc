// The engine's block rules written out sample by sample, with no shortcut: the yardstick that the
// engine's optimised loops must match bit for bit. It works on a DR object's own fields, so the
// coefficients come from the engine's RecalcParam and every field can be compared.
#pragma once

#include "DR.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

inline void plainDoProcess(DR& e, float* left, float* right, float* out, int32_t frames)
{
    if (frames <= 0)
        return;
    if (e.resetPeaks.load() != 0.0f)
    {
        e.resetPeaks = 0.0f;
        e.maxPeakL = e.maxPeakR = 0.0f;
    }
    if (e.recalc.load() != 0 || frames != e.blockLen)
    {
        e.recalc = 0;
        e.blockLen = frames;
        e.RecalcParam();
    }
    float maxL = 0, maxR = 0;
    int32_t repeatsL = 0, repeatsR = 0;
    bool raisedL = false, raisedR = false;
    auto blockMaximum = [](float a, float& max, int32_t& repeats, bool& raised) {
        if (raised && a == max)
            ++repeats;
        else
        {
            raised = false;
            if (a > max)
            {
                max = a;
                raised = true;
            }
        }
    };
    // Counting stops past the hold, which the rules allow.
    auto heldPeak = [&e](float a, float& peak, int32_t& count) {
        if (a > peak)
        {
            peak = a;
            count = 0;
            return;
        }
        if (count > e.holdSamples)
            peak = peak * e.peakReleaseCoef;
        else
            ++count;
    };
    auto clip = [](float v) { return std::min(1.0f, std::max(-1.0f, v)); };
    for (int32_t i = 0; i < frames; ++i)
    {
        // Non-finite samples are measured as silence.
        const float L = std::isfinite(left[i]) ? left[i] : 0.0f;
        const float R = std::isfinite(right[i]) ? right[i] : 0.0f;
        const float aL = std::fabs(L), aR = std::fabs(R);
        blockMaximum(aL, maxL, repeatsL, raisedL);
        blockMaximum(aR, maxR, repeatsR, raisedR);
        heldPeak(aL, e.peakL, e.holdCountL);
        heldPeak(aR, e.peakR, e.holdCountR);
        if (aL > e.maxPeakL)
            e.maxPeakL = aL;
        if (aR > e.maxPeakR)
            e.maxPeakR = aR;
        e.msL = e.msCoef * e.msL + L * L * e.msGain;
        e.msR = e.msCoef * e.msR + R * R * e.msGain;
        const float u = clip(L * 100.0f), v = clip(R * 100.0f);
        e.correlation = e.corrCoef * e.correlation + u * v * e.corrGain;
        if (e.mono.load() != 0.0f)
            left[i] = right[i] = (left[i] + right[i]) * 0.5f;
    }
    const float gatedL = maxL < 0.0001f ? 0.0f : maxL;
    const float gatedR = maxR < 0.0001f ? 0.0f : maxR;
    if (repeatsL == 2 && e.maxPeakL > 0.9999f)
        e.maxPeakL = 1.0f;
    if (repeatsR == 2 && e.maxPeakR > 0.9999f)
        e.maxPeakR = 1.0f;
    auto slow = [&e](float& msSlow, float ms) {
        if (ms / msSlow > 0.5f)
            msSlow = msSlow * e.slowCoef + ms * e.slowGain;
        else
            msSlow = msSlow * e.dropCoef + ms * e.dropGain;
    };
    slow(e.msSlowL, e.msL);
    slow(e.msSlowR, e.msR);
    if (out != nullptr)
    {
        auto smooth = [&e](float& crest, double x) {
            crest = x > crest ? float(crest * e.crestUpCoef + x * e.crestUpGain)
                              : float(crest * e.crestDownCoef + x * e.crestDownGain);
        };
        auto crest = [&](float& c, float peak, float ms, float gated) {
            if (ms > 1e-10 && peak * peak > ms)
                smooth(c, peak / std::sqrt(double(ms)));
            else if (gated == 0.0f)
                c *= e.crestUpCoef;
        };
        crest(e.crestL, e.peakL, e.msL, gatedL);
        crest(e.crestR, e.peakR, e.msR, gatedR);
        const float s = e.msL + e.msR;
        if (s > 1e-10 && e.peakL * e.peakL > e.msL && e.peakR * e.peakR > e.msR)
            smooth(e.crestLR, std::max(e.peakL, e.peakR) / std::sqrt(s * 0.5));
        else if (gatedL == 0.0f && gatedR == 0.0f)
            e.crestLR *= e.crestUpCoef;
        out[1] = gatedL;
        out[2] = gatedR;
        out[3] = float(std::sqrt(double(e.msSlowL)) * 1.4142);
        out[4] = float(std::sqrt(double(e.msSlowR)) * 1.4142);
        out[5] = e.maxPeakL;
        out[6] = e.maxPeakR;
        out[7] = float(e.crestL * 0.7071);
        out[8] = e.peakL;
        out[9] = float(e.crestR * 0.7071);
        out[10] = e.peakR;
        out[11] = float(e.crestLR * 0.7071);
        out[12] = std::max(e.peakL, e.peakR);
        out[16] = gatedL != 0.0f ? 1.0f : 0.0f;
        out[17] = gatedR != 0.0f ? 1.0f : 0.0f;
        out[20] = e.correlation;
    }
    // Decayed state below 1e-30 is zeroed after each block, keeping denormals out.
    for (float* v : {&e.peakL, &e.peakR, &e.msL, &e.msR, &e.msSlowL, &e.msSlowR, &e.crestL, &e.crestR, &e.crestLR,
                     &e.correlation})
        if (std::fabs(*v) < 1e-30f)
            *v = 0.0f;
}
