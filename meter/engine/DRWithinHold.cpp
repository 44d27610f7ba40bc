// The engine's common case: a finite block within the hold of both held peaks, where the held
// peaks only follow the block maxima.
//
// Why it is shaped so: the mean squares and the correlation are one-pole recurrences, so every
// sample waits for a multiply and an add of the one before; the loop is bound by that chain, as
// any one-pole meter is, once everything else costs less. Two frames at a time sit in one SSE2
// register (every x86-64 processor has SSE2) as [left0, right0, left1, right1]: magnitudes,
// squares, the limited correlation factors and the finite-sample check are computed for both
// frames and channels at once, only the recurrences step frame by frame. Each lane operation is
// the float operation of the per-sample rules, in their order, so the results are theirs bit for
// bit. The block maxima need no order; the over rule's repeat count does, and is counted only for
// the rare block whose all-time peak it can change.
#include "DR.h"

#include "DRBlockMaximum.h"

#include <emmintrin.h>

#include <algorithm>
#include <cmath>

namespace
{
constexpr int32_t kExponentBits = 0x7f800000; // all set: infinity or not a number

// Lane 0 left, lane 1 right, of two frames' lanes combined or of one frame.
struct StereoFloats
{
    float left, right;
};

StereoFloats lanesOf(__m128 v)
{
    alignas(16) float f[4];
    _mm_store_ps(f, v);
    return {f[0], f[1]};
}

class StereoLoop
{
public:
    StereoLoop(const DR& e, float msL, float msR, float correlation)
        : msCoefs(_mm_set1_ps(e.msCoef)), msGains(_mm_set1_ps(e.msGain)), corrCoef(_mm_set_ss(e.corrCoef)),
          corrGains(_mm_set1_ps(e.corrGain)), ms(_mm_setr_ps(msL, msR, 0.0f, 0.0f)), corr(_mm_set_ss(correlation))
    {
    }

    // s = [left0, right0, left1, right1]; without bothFrames only frame 0 counts.
    template <bool bothFrames>
    void step(__m128 s)
    {
        const __m128i bits = _mm_castps_si128(s);
        nonFinite = _mm_or_si128(nonFinite, _mm_cmpeq_epi32(_mm_and_si128(bits, exponent), exponent));
        max = _mm_max_ps(_mm_and_ps(s, magnitudeMask), max);
        const __m128 square = _mm_mul_ps(_mm_mul_ps(s, s), msGains);
        // Both samples x 100 limited to -1..1, multiplied: lane 0 for frame 0, lane 2 for frame 1.
        const __m128 u = _mm_max_ps(_mm_min_ps(_mm_mul_ps(s, hundred), plusOne), minusOne);
        const __m128 product = _mm_mul_ps(_mm_mul_ps(u, _mm_shuffle_ps(u, u, _MM_SHUFFLE(2, 3, 0, 1))), corrGains);
        ms = _mm_add_ps(_mm_mul_ps(msCoefs, ms), square);
        corr = _mm_add_ss(_mm_mul_ss(corrCoef, corr), product);
        if constexpr (bothFrames)
        {
            ms = _mm_add_ps(_mm_mul_ps(msCoefs, ms), _mm_movehl_ps(square, square));
            corr = _mm_add_ss(_mm_mul_ss(corrCoef, corr), _mm_movehl_ps(product, product));
        }
    }

    bool sawNonFinite() const { return _mm_movemask_epi8(nonFinite) != 0; }
    StereoFloats meanSquares() const { return lanesOf(ms); }
    float correlation() const { return _mm_cvtss_f32(corr); }
    StereoFloats maxima() const { return lanesOf(_mm_max_ps(max, _mm_movehl_ps(max, max))); }

private:
    const __m128 magnitudeMask = _mm_castsi128_ps(_mm_set1_epi32(0x7fffffff));
    const __m128i exponent = _mm_set1_epi32(kExponentBits);
    const __m128 hundred = _mm_set1_ps(100.0f), plusOne = _mm_set1_ps(1.0f), minusOne = _mm_set1_ps(-1.0f);
    const __m128 msCoefs, msGains, corrCoef, corrGains;
    __m128 ms, corr;
    __m128 max = _mm_setzero_ps();
    __m128i nonFinite = _mm_setzero_si128();
};

// The frame at which the block maximum first occurs: where the held peak was last raised.
int32_t firstFrameOf(float magnitude, const float* samples, int32_t frames)
{
    const float* found = std::find_if(samples, samples + frames, [=](float s) { return std::fabs(s) == magnitude; });
    return int32_t(found - samples);
}

// Within the hold a held peak is the running maximum.
void settleHeldPeak(float blockMax, const float* samples, int32_t frames, float& peak, int32_t& holdCount)
{
    if (blockMax > peak)
    {
        peak = blockMax;
        holdCount = frames - 1 - firstFrameOf(blockMax, samples, frames);
    }
    else
        holdCount += frames;
}
} // namespace

bool DR::analyseFiniteWithinHold(const float* left, const float* right, int32_t frames, BlockMaximum& blockL,
                                 BlockMaximum& blockR)
{
    StereoLoop loop(*this, msL, msR, correlation);
    int32_t i = 0;
    for (; i + 4 <= frames; i += 4)
    {
        const __m128 l = _mm_loadu_ps(left + i), r = _mm_loadu_ps(right + i);
        loop.step<true>(_mm_unpacklo_ps(l, r));
        loop.step<true>(_mm_unpackhi_ps(l, r));
    }
    for (; i < frames; ++i)
        loop.step<false>(_mm_unpacklo_ps(_mm_load_ss(left + i), _mm_load_ss(right + i)));
    if (loop.sawNonFinite())
        return false;

    const StereoFloats maxima = loop.maxima();
    settleHeldPeak(maxima.left, left, frames, peakL, holdCountL);
    settleHeldPeak(maxima.right, right, frames, peakR, holdCountR);
    maxPeakL = std::max(maxPeakL, maxima.left);
    maxPeakR = std::max(maxPeakR, maxima.right);
    blockL = BlockMaximum::repeatsMatter(maxPeakL) ? BlockMaximum::of(left, frames) : BlockMaximum{maxima.left};
    blockR = BlockMaximum::repeatsMatter(maxPeakR) ? BlockMaximum::of(right, frames) : BlockMaximum{maxima.right};
    const StereoFloats meanSquares = loop.meanSquares();
    msL = meanSquares.left, msR = meanSquares.right;
    correlation = loop.correlation();
    return true;
}
