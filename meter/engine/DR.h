// DR: the stereo dynamic-range analysis engine.
//
// Per sample it tracks, per channel, a held peak with a fast release, a short-term mean square,
// an all-time peak and the sign correlation of the two channels; per block it derives the slow
// mean square (the RMS read-out) and smooths the crest factor (held peak over RMS) into the
// dynamic-range values for left, right and both channels together. The output is scaled so that
// a sine reads 1.0 (0 dB).
//
// DoProcess runs on the audio thread; another thread may write mono, resetPeaks, recalc and
// sampleRateHz at any time, so those are relaxed atomic words read at the start of a block.
#pragma once

#include <atomic>
#include <cstdint>

class DR
{
public:
    // Slots of the output vector that DoProcess writes; all others are left untouched.
    enum OutputSlot : int32_t
    {
        kOutBlockPeakL = 1,
        kOutBlockPeakR = 2,
        kOutRmsL = 3,
        kOutRmsR = 4,
        kOutMaxPeakL = 5,
        kOutMaxPeakR = 6,
        kOutDynamicRangeL = 7,
        kOutPeakL = 8,
        kOutDynamicRangeR = 9,
        kOutPeakR = 10,
        kOutDynamicRangeLR = 11,
        kOutPeakMax = 12,
        kOutSignalL = 16,
        kOutSignalR = 17,
        kOutCorrelation = 20,
    };
    static constexpr int32_t kOutputSize = 21;

    enum Parameter : int32_t
    {
        kParamMono = 0,
        kParamResetPeaks = 1,
    };

    DR() = default;
    DR(const DR&) = delete;
    DR& operator=(const DR&) = delete;

    void RecalcParam();
    // left/right: frames samples each, overwritten with the mono sum in mono mode; out: 21 floats or null.
    void DoProcess(float* left, float* right, float* out, int32_t frames);

    // Held peaks, mean squares and crests zeroed; slow mean squares and correlation kept.
    void clear();
    // Stores a parameter word; false for an index outside 0..paramCount-1.
    bool setParam(int32_t index, float value);

    // ---- Fields ----
    float peakL = 0, peakR = 0;
    float msL = 0, msR = 0;
    float msSlowL = 0, msSlowR = 0;
    float maxPeakL = 0, maxPeakR = 0;
    float crestL = 0, crestR = 0, crestLR = 0;
    float correlation = 0;
    float peakReleaseCoef = 0;
    float msCoef = 0, msGain = 0;
    float corrCoef = 0, corrGain = 0;
    float dropCoef = 0, dropGain = 0;
    float slowCoef = 0, slowGain = 0;
    float crestUpCoef = 0, crestUpGain = 0;
    float crestDownCoef = 0, crestDownGain = 0;
    int32_t holdCountL = 0, holdCountR = 0;
    int32_t holdSamples = 0;
    int32_t blockLen = 0;
    std::atomic<float> mono{0.0f};
    std::atomic<float> resetPeaks{0.0f};
    std::atomic<int32_t> recalc{2};
    std::atomic<int32_t> sampleRateHz{44100};
    int32_t paramCount = 2;

private:
    struct BlockMaximum;

    void analyseBlock(const float* left, const float* right, int32_t frames, BlockMaximum& blockL,
                      BlockMaximum& blockR);
    bool withinHold(int32_t frames) const;
    void analyseSampleBySample(const float* left, const float* right, int32_t frames, BlockMaximum& blockL,
                               BlockMaximum& blockR);
    // A whole block within the hold of both held peaks; false, with nothing changed, when it holds
    // a non-finite sample.
    bool analyseFiniteWithinHold(const float* left, const float* right, int32_t frames, BlockMaximum& blockL,
                                 BlockMaximum& blockR);
    static void writeMonoSum(float* left, float* right, int32_t frames);
    void updateSlowMeanSquares();
    void smoothCrest(float& crest, double x) const;
    void updateCrest(float& crest, float peak, float ms, float gatedBlockPeak) const;
    void updateCrests(float gatedPeakL, float gatedPeakR);
    void writeOutput(float* out, float gatedPeakL, float gatedPeakR) const;
    void flushTinyState();
};
