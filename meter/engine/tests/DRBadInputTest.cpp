// Input a real host can deliver that must not break the readings.
#include "DRTestSignals.h"

#include <gtest/gtest.h>

#include <limits>

namespace
{
bool allFinite(const DROutput& out)
{
    return std::all_of(out.begin(), out.end(), [](float v) { return std::isfinite(v); });
}
} // namespace

TEST(DRBadInput, NonFiniteSamplesPassThroughAndAreMeasuredAsSilence)
{
    const float bad[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                         -std::numeric_limits<float>::infinity()};
    for (float value : bad)
    {
        const StereoSignal music = sine(0.5, 440.0, 44100, -0.5);
        auto spoiled = [&](int64_t i) { return i % 1000 == 7 ? std::pair{value, value} : music(i); };
        auto zeroed = [&](int64_t i) { return i % 1000 == 7 ? std::pair{0.0f, 0.0f} : music(i); };
        DRDriver withBad, withSilence;
        withBad.engine.setParam(DR::kParamMono, 1.0f);
        withSilence.engine.setParam(DR::kParamMono, 1.0f);
        withBad.run(spoiled, 2.0);
        withSilence.run(zeroed, 2.0);

        EXPECT_TRUE(allFinite(withBad.out)) << value;
        EXPECT_EQ(withBad.out, withSilence.out) << value;
        const int64_t firstFrame = withBad.position - 512;
        for (int64_t i = firstFrame; i < withBad.position; ++i)
        {
            const bool spoiledFrame = i % 1000 == 7;
            EXPECT_EQ(std::isfinite(withBad.left[size_t(i - firstFrame)]), !spoiledFrame) << "frame " << i;
        }
    }
}

TEST(DRBadInput, ZeroFrameBlockChangesNothing)
{
    DRDriver run;
    run.run(sine(0.5, 440.0, 44100), 1.0);
    const DROutput before = run.out;
    const float crest = run.engine.crestLR;
    run.engine.DoProcess(nullptr, nullptr, run.out.data(), 0);
    EXPECT_EQ(run.out, before);
    EXPECT_EQ(run.engine.crestLR, crest);
    EXPECT_EQ(run.engine.blockLen, 512);
}

TEST(DRBadInput, DenormalInputReadsAsSilenceWithoutNonFiniteValues)
{
    DRDriver run;
    run.run(sine(1.0, 440.0, 44100), 1.0);
    const StereoSignal denormal = sine(1e-39, 440.0, 44100);
    run.run(denormal, 30.0);
    EXPECT_TRUE(allFinite(run.out));
    EXPECT_EQ(run.out[DR::kOutSignalL], 0.0f);
    EXPECT_LT(run.out[DR::kOutRmsL], 1e-6f);
    EXPECT_EQ(run.engine.msL, 0.0f) << "decayed state is flushed instead of lingering as a denormal";
}

TEST(DRBadInput, EverySupportedSampleRateReadsASineAlike)
{
    for (int32_t rate : {8000, 22050, 44100, 96000, 192000, 384000})
    {
        DRDriver run(rate);
        run.run(sine(1.0, 997.0 * rate / 44100.0, rate), 5.0, 512);
        EXPECT_NEAR(run.out[DR::kOutDynamicRangeLR], 1.0f, 0.01f) << rate;
        EXPECT_NEAR(run.out[DR::kOutRmsR], 1.0f, 0.01f) << rate;
        EXPECT_NEAR(run.out[DR::kOutCorrelation], 1.0f, 0.01f) << rate;
    }
}
