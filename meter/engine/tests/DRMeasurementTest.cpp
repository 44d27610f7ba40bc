// What the engine measures: levels, crest factors, overs, correlation, holds, resets, mono.
#include "DRTestSignals.h"

#include <gtest/gtest.h>

TEST(DRMeasurement, FullScaleSineReadsZeroDecibelDynamicRangeAndFullScaleRms)
{
    for (double hz : {50.0, 997.0, 10000.0})
    {
        DRDriver run;
        run.run(sine(1.0, hz, 44100), 6.0);
        EXPECT_NEAR(run.out[DR::kOutDynamicRangeL], 1.0f, 0.01f) << hz;
        EXPECT_NEAR(run.out[DR::kOutDynamicRangeR], 1.0f, 0.01f) << hz;
        EXPECT_NEAR(run.out[DR::kOutDynamicRangeLR], 1.0f, 0.01f) << hz;
        EXPECT_NEAR(run.out[DR::kOutRmsL], 1.0f, 0.01f) << hz;
        EXPECT_NEAR(run.out[DR::kOutBlockPeakL], 1.0f, 0.001f) << hz;
        EXPECT_EQ(run.out[DR::kOutSignalL], 1.0f);
    }
}

TEST(DRMeasurement, PeakTwelveDecibelsAboveRmsReadsAboutNineDecibels)
{
    // A sine at quarter scale with one full-scale click per 0.25 s: the held peak stays at 1.0.
    const StereoSignal quiet = sine(0.25 * std::sqrt(2.0), 200.0, 44100);
    auto clicked = [&](int64_t i) { return i % 11025 == 0 ? std::pair{1.0f, 1.0f} : quiet(i); };
    DRDriver run;
    run.run(clicked, 8.0);
    EXPECT_NEAR(20 * std::log10(run.out[DR::kOutDynamicRangeLR]), 9.0, 0.5);
}

TEST(DRMeasurement, SilenceAfterSignalGatesTheBlockAndDecaysTheCrest)
{
    DRDriver run;
    run.run(sine(1.0, 997.0, 44100), 3.0);
    run.run(silence(), 2.0); // past the peak hold
    const float crestBefore = run.engine.crestL;
    run.runBlock(silence(), 512);
    EXPECT_EQ(run.out[DR::kOutBlockPeakL], 0.0f);
    EXPECT_EQ(run.out[DR::kOutSignalL], 0.0f);
    EXPECT_EQ(run.out[DR::kOutSignalR], 0.0f);
    EXPECT_FLOAT_EQ(run.engine.crestL, crestBefore * run.engine.crestUpCoef);
}

TEST(DRMeasurement, ThreeEqualFullScaleSamplesAreAnOverButFourAreNot)
{
    const std::pair<int, float> runLengthToAllTimePeak[] = {{2, 0.99995f}, {3, 1.0f}, {4, 0.99995f}};
    for (auto [length, expected] : runLengthToAllTimePeak)
    {
        DR engine;
        std::vector<float> left(512, 0.0f), right(512, 0.0f);
        for (int i = 0; i < length; ++i)
            left[size_t(100 + i)] = -0.99995f;
        float out[DR::kOutputSize] = {};
        engine.DoProcess(left.data(), right.data(), out, 512);
        EXPECT_EQ(out[DR::kOutMaxPeakL], expected) << length << " equal samples";
        EXPECT_EQ(out[DR::kOutMaxPeakR], 0.0f);
    }
}

TEST(DRMeasurement, CorrelationFollowsTheRelationOfTheChannels)
{
    const std::pair<double, float> rightGainToCorrelation[] = {{1.0, 1.0f}, {-1.0, -1.0f}, {0.0, 0.0f}};
    for (auto [rightGain, expected] : rightGainToCorrelation)
    {
        DRDriver run;
        run.run(sine(0.5, 440.0, 44100, rightGain), 5.0);
        EXPECT_NEAR(run.out[DR::kOutCorrelation], expected, 0.05f) << "right gain " << rightGain;
    }
}

TEST(DRMeasurement, HeldPeakHoldsThenReleases)
{
    DR engine;
    std::vector<float> left(512, 0.0f), right(512, 0.0f);
    float out[DR::kOutputSize] = {};
    left[0] = 0.8f;
    engine.DoProcess(left.data(), right.data(), out, 512);
    left[0] = 0.0f;
    while (engine.holdCountL <= engine.holdSamples)
    {
        EXPECT_EQ(engine.peakL, 0.8f);
        engine.DoProcess(left.data(), right.data(), out, 512);
    }
    EXPECT_LT(engine.peakL, 0.8f);
    for (int block = 0; block < 100; ++block)
        engine.DoProcess(left.data(), right.data(), out, 512);
    EXPECT_EQ(engine.holdCountL, engine.holdSamples + 1) << "the hold count stops once the hold is over";
    EXPECT_EQ(out[DR::kOutPeakL], 0.0f);
}

TEST(DRMeasurement, PeakResetClearsOnlyTheAllTimePeaksAtTheNextBlock)
{
    DRDriver run;
    run.run(sine(0.9, 997.0, 44100), 1.0);
    const float heldPeak = run.engine.peakL;
    const float crest = run.engine.crestL;
    run.engine.setParam(DR::kParamResetPeaks, 1.0f);
    EXPECT_GT(run.engine.maxPeakL, 0.89f) << "nothing changes before the next block";

    std::vector<float> quiet(512, 0.1f);
    float out[DR::kOutputSize] = {};
    run.engine.DoProcess(quiet.data(), quiet.data(), out, 512);
    EXPECT_EQ(out[DR::kOutMaxPeakL], 0.1f);
    EXPECT_EQ(out[DR::kOutMaxPeakR], 0.1f);
    EXPECT_EQ(run.engine.resetPeaks, 0.0f);
    EXPECT_EQ(run.engine.peakL, heldPeak);
    EXPECT_NE(run.engine.crestL, 0.0f);
    EXPECT_NEAR(run.engine.crestL, crest, crest * 0.2f);
}

TEST(DRMeasurement, MonoWritesTheSumButMeasuresTheStereoInput)
{
    DRDriver stereo, mono;
    mono.engine.setParam(DR::kParamMono, 1.0f);
    const StereoSignal leftOnly = sine(0.8, 300.0, 44100, 0.0);
    stereo.run(leftOnly, 2.0);
    mono.run(leftOnly, 2.0);
    EXPECT_EQ(mono.out, stereo.out);
    for (size_t i = 0; i < mono.left.size(); ++i)
    {
        ASSERT_EQ(mono.left[i], stereo.left[i] * 0.5f);
        ASSERT_EQ(mono.right[i], stereo.left[i] * 0.5f);
    }
}

TEST(DRMeasurement, WithoutOutputVectorTheCrestsStayWhileTheMeanSquaresFollow)
{
    DRDriver run;
    run.run(sine(1.0, 997.0, 44100), 1.0);
    const float crests[] = {run.engine.crestL, run.engine.crestR, run.engine.crestLR};
    const float msSlow = run.engine.msSlowL;
    run.run(sine(0.1, 997.0, 44100), 2.0, 512, false);
    EXPECT_EQ(run.engine.crestL, crests[0]);
    EXPECT_EQ(run.engine.crestR, crests[1]);
    EXPECT_EQ(run.engine.crestLR, crests[2]);
    EXPECT_LT(run.engine.msSlowL, msSlow * 0.1f) << "the slow mean squares keep following";
}

TEST(DRMeasurement, SlotsOutsideTheOutputTableAreNeverWritten)
{
    DRDriver run;
    run.out.fill(-7.0f);
    run.run(sine(1.0, 997.0, 44100), 0.5);
    for (int slot : {0, 13, 14, 15, 18, 19})
        EXPECT_EQ(run.out[size_t(slot)], -7.0f) << "slot " << slot;
}

TEST(DRMeasurement, HeldPeakFollowsTheSampleBySampleRuleAtAnyBlockSize)
{
    // Bursts with pauses longer than the hold, so that peaks rise, hold and release mid-block.
    auto bursts = [](int64_t i) {
        const double t = double(i) / 44100;
        const double envelope = std::fmod(t, 3.1) < 1.3 ? 0.9 * std::exp(-std::fmod(t, 0.4) * 4) : 0.0;
        const float s = float(envelope * std::sin(i * 0.05));
        return std::pair{s, 0.5f * s};
    };
    for (int32_t block : {1, 37, 512, 4096})
    {
        DRDriver run;
        run.runBlock(bursts, block);
        float peak = run.engine.peakL;
        int64_t count = run.engine.holdCountL;
        for (int32_t b = 1; b * int64_t(block) < 44100 * 8; ++b)
        {
            for (int32_t i = 0; i < block; ++i)
            {
                const float a = std::fabs(bursts(run.position + i).first);
                if (a > peak)
                    peak = a, count = 0;
                else
                {
                    if (count > run.engine.holdSamples)
                        peak *= run.engine.peakReleaseCoef;
                    ++count;
                }
            }
            run.runBlock(bursts, block);
            if (std::fabs(peak) < 1e-30f)
                peak = 0.0f; // the engine flushes decayed state at the end of each block
            ASSERT_EQ(run.engine.peakL, peak) << "block size " << block << ", block " << b;
            ASSERT_EQ(run.engine.holdCountL, std::min<int64_t>(count, run.engine.holdSamples + 1));
        }
    }
}
