// The engine behind its untyped handle.
#include "DR.h"
#include "DRHandle.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
struct HandleFixture : ::testing::Test
{
    void* engine = DRHandle::Init();
    std::vector<float> left = std::vector<float>(256, 0.5f), right = std::vector<float>(256, -0.25f);
    float* inputs[2] = {left.data(), right.data()};
    float out[DR::kOutputSize] = {};
    float* outputs[1] = {out};

    DR& dr() { return *static_cast<DR*>(engine); }
    ~HandleFixture() override { DRHandle::Exit(engine); }
};
} // namespace

TEST_F(HandleFixture, RefusesMissingEngineChannelsOrRate)
{
    float* missingRight[2] = {left.data(), nullptr};
    EXPECT_EQ(DRHandle::Process(nullptr, 44100, inputs, 256, outputs), 0);
    EXPECT_EQ(DRHandle::Process(engine, 44100, nullptr, 256, outputs), 0);
    EXPECT_EQ(DRHandle::Process(engine, 44100, missingRight, 256, outputs), 0);
    EXPECT_EQ(DRHandle::Process(engine, 0, inputs, 256, outputs), 0);
    EXPECT_EQ(out[DR::kOutBlockPeakL], 0.0f);
    DRHandle::Exit(nullptr);
    DRHandle::Clear(nullptr);
    EXPECT_EQ(DRHandle::SetParam(nullptr, nullptr, 0, 1.0f), 0);
}

TEST_F(HandleFixture, ProcessesIntoTheFirstOutputAndFollowsTheSampleRate)
{
    EXPECT_EQ(DRHandle::Process(engine, 48000, inputs, 256, outputs), 1);
    EXPECT_EQ(out[DR::kOutBlockPeakL], 0.5f);
    EXPECT_EQ(out[DR::kOutBlockPeakR], 0.25f);
    EXPECT_EQ(dr().holdSamples, 56112);
    EXPECT_EQ(DRHandle::Process(engine, 48000, inputs, 256, nullptr), 1);
}

TEST_F(HandleFixture, SetParamStoresKnownParametersAndAsksForRecalculation)
{
    DRHandle::Process(engine, 44100, inputs, 256, outputs);
    EXPECT_EQ(DRHandle::SetParam(engine, nullptr, 2, 1.0f), 0);
    EXPECT_EQ(DRHandle::SetParam(engine, nullptr, -1, 1.0f), 0);
    EXPECT_EQ(dr().recalc, 0) << "unknown indexes are ignored";
    DRHandle::SetParam(engine, nullptr, 0, 1.0f);
    EXPECT_EQ(dr().mono, 1.0f);
    EXPECT_EQ(dr().recalc, 1);
    DRHandle::SetParam(engine, nullptr, 1, 1.0f);
    EXPECT_EQ(dr().resetPeaks, 1.0f);
}

TEST_F(HandleFixture, ClearKeepsTheSlowMeanSquaresAndCorrelation)
{
    for (int block = 0; block < 50; ++block)
        DRHandle::Process(engine, 44100, inputs, 256, outputs);
    const float msSlow = dr().msSlowL, correlation = dr().correlation;
    DRHandle::Clear(engine);
    for (float v : {dr().peakL, dr().peakR, dr().msL, dr().msR, dr().maxPeakL, dr().maxPeakR, dr().crestL,
                    dr().crestR, dr().crestLR})
        EXPECT_EQ(v, 0.0f);
    EXPECT_EQ(dr().holdCountL, 0);
    EXPECT_EQ(dr().recalc, 2);
    EXPECT_EQ(dr().msSlowL, msSlow);
    EXPECT_EQ(dr().correlation, correlation);
}
