// Coefficients derived from the sample rate and block length.
#include "DR.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
void runOneBlock(DR& engine, int32_t frames)
{
    std::vector<float> left(static_cast<size_t>(frames)), right(static_cast<size_t>(frames));
    float out[DR::kOutputSize] = {};
    engine.DoProcess(left.data(), right.data(), out, frames);
}
} // namespace

TEST(DRCoefficients, MatchTheReferenceValuesAt44100HzAnd512Frames)
{
    DR engine;
    runOneBlock(engine, 512);
    EXPECT_EQ(engine.holdSamples, 51552);
    EXPECT_FLOAT_EQ(engine.peakReleaseCoef, 0.9950238f);
    EXPECT_FLOAT_EQ(engine.msCoef, 0.9999002f);
    EXPECT_FLOAT_EQ(engine.corrCoef, 0.9999501f);
    EXPECT_FLOAT_EQ(engine.slowCoef, 0.9501989f);
    EXPECT_FLOAT_EQ(engine.dropCoef, 0.9183838f);
    EXPECT_FLOAT_EQ(engine.crestUpCoef, 0.9183838f);
    EXPECT_FLOAT_EQ(engine.crestDownCoef, 0.9848218f);
    EXPECT_EQ(engine.msGain, 1.0f - engine.msCoef);
    EXPECT_EQ(engine.crestDownGain, 1.0f - engine.crestDownCoef);
}

TEST(DRCoefficients, HoldLastsAboutOnePointOneSecondsAtEveryRate)
{
    const std::pair<int32_t, int32_t> rateToHold[] = {{8000, 9352}, {44100, 51552}, {48000, 56112},
                                                      {96000, 112224}, {384000, 448896}};
    for (auto [rate, hold] : rateToHold)
    {
        DR engine;
        engine.sampleRateHz = rate;
        runOneBlock(engine, 64);
        EXPECT_EQ(engine.holdSamples, hold) << rate << " Hz";
    }
}

TEST(DRCoefficients, BlockLengthChangeRecomputesBeforeTheBlockIsAnalysed)
{
    DR engine;
    runOneBlock(engine, 512);
    DR reference;
    runOneBlock(reference, 256);

    engine.msSlowL = 1.0f; // a falling level exercises dropCoef of the new length
    runOneBlock(engine, 256);
    EXPECT_EQ(engine.blockLen, 256);
    EXPECT_EQ(engine.slowCoef, reference.slowCoef);
    EXPECT_EQ(engine.crestDownCoef, reference.crestDownCoef);
    EXPECT_EQ(engine.msSlowL, reference.dropCoef);
}

TEST(DRCoefficients, SignalledSampleRateChangeTakesEffectAtTheNextBlock)
{
    DR engine;
    runOneBlock(engine, 512);
    engine.sampleRateHz = 48000;
    runOneBlock(engine, 512);
    EXPECT_EQ(engine.holdSamples, 51552) << "a new rate waits for the recalculation signal";
    engine.recalc = 2;
    runOneBlock(engine, 512);
    EXPECT_EQ(engine.holdSamples, 56112);
}
