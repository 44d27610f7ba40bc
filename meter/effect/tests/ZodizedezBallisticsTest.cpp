// Display ballistics: fall-back, holds, averaging and smoothing per block.
#include "MeterFixture.h"

namespace
{
struct BlockCoefficients
{
    int32_t rate;
    float displayRelease, rmsDisplayGain, peakRiseCoef, peakFallCoef;
    int32_t holdBlocks; // whole 512-frame blocks that cover the 2 s hold
};

class ZodizedezBallistics : public MeterFixture
{
};
} // namespace

TEST_F(ZodizedezBallistics, CoefficientsFollowTheSampleRateAt512Frames)
{
    const BlockCoefficients cases[] = {{44100, 0.9836563f, 0.0252185f, 0.9610768f, 0.9922512f, 173},
                                       {48000, 0.9849743f, 0.0231935f, 0.9641820f, 0.9928786f, 188}};
    for (const auto& c : cases)
    {
        effect.reset(createQVEffect(QVEffect::kPluginTypeRealTime, QVEffect::kChannelModeStereo));
        configure(c.rate, 512);
        SCOPED_TRACE(c.rate);
        processBlock(constant(0.5f, 0.5f), 512);
        EXPECT_NEAR(meter(kMeterRmsL) / meter(kMeterRmsHoldL), c.rmsDisplayGain, 1e-6);
        EXPECT_NEAR(1.0f - meter(kMeterPeakSmoothL) / 0.5f, c.peakRiseCoef, 1e-6);

        processBlock(silence(), 512);
        EXPECT_FLOAT_EQ(meter(kMeterPeakL), 0.5f * c.displayRelease);
        for (int block = 2; block <= c.holdBlocks; ++block)
            processBlock(silence(), 512);
        EXPECT_EQ(meter(kMeterPeakHoldL), 0.5f) << "held for 2 s";
        processBlock(silence(), 512);
        EXPECT_FLOAT_EQ(meter(kMeterPeakHoldL), 0.5f * c.displayRelease);

        const float smoothed = meter(kMeterPeakSmoothL);
        processBlock(silence(), 512);
        EXPECT_NEAR(meter(kMeterPeakSmoothL) / smoothed, c.peakFallCoef, 1e-6);
    }
}

TEST_F(ZodizedezBallistics, SteadyFullScaleSineSettlesAtZeroDecibels)
{
    play(sine(1.0, 997.0, 44100), 8.0);
    for (int32_t index : {kMeterPeakL, kMeterRmsL, kMeterRmsHoldL, kMeterPeakHoldL, kMeterPeakSmoothL,
                          kMeterPeakSmoothMax, kMeterDynamicRangeL, kMeterDynamicRangeLR, kMeterCorrelation})
        EXPECT_NEAR(meter(index), 1.0f, 0.01f) << "meter " << index;
    EXPECT_EQ(readout(kMeterDynamicRangeLR), "0.0");
    EXPECT_EQ(readout(kMeterRmsL), "0.0");
    EXPECT_EQ(meter(kMeterSilenceL), 0.0f);
}

TEST_F(ZodizedezBallistics, AfterTheSignalStopsTheHoldsStayTwoSecondsAndSilenceShows)
{
    play(sine(0.5, 440.0, 44100), 2.0);
    const float held = meter(kMeterPeakHoldL);
    play(silence(), 1.9);
    EXPECT_EQ(meter(kMeterPeakHoldL), held);
    EXPECT_EQ(meter(kMeterSilenceL), 1.0f);
    EXPECT_EQ(meter(kMeterSilenceR), 1.0f);
    EXPECT_NEAR(20 * std::log10(meter(kMeterPeakL) / 0.5f), -19.0 * 1.9 / 1.55, 0.3)
        << "the peak display falls back about 19 dB in 1.55 s";
    play(silence(), 0.2);
    EXPECT_LT(meter(kMeterPeakHoldL), held);
}

TEST_F(ZodizedezBallistics, TimeBehaviourDoesNotDependOnTheHostBlockSize)
{
    auto levelsAfterStop = [](int32_t block) {
        MeterHost run;
        run.configure(44100, block);
        run.play(sine(0.8, 440.0, 44100), 3.0, block);
        run.play(silence(), 1.0, block);
        return std::array{run.meter(kMeterPeakL), run.meter(kMeterRmsL), run.meter(kMeterRmsHoldL),
                          run.meter(kMeterPeakSmoothL)};
    };
    const auto at512 = levelsAfterStop(512), at1024 = levelsAfterStop(1024);
    for (size_t i = 0; i < at512.size(); ++i)
        EXPECT_NEAR(20 * std::log10(at512[i] / at1024[i]), 0.0, 0.3) << "value " << i;
}

TEST_F(ZodizedezBallistics, MeterResetClearsTheDisplaysAndRestartsTheAllTimePeaks)
{
    play(sine(0.9, 440.0, 44100), 2.0);
    effect->resetMeters();
    for (int32_t index = kMeterPeakL; index <= kMeterPeakSmoothMax; ++index)
        EXPECT_EQ(meter(index), 0.0f) << "meter " << index;

    processBlock(constant(0.25f, -0.125f), 512);
    EXPECT_EQ(meter(kMeterAllTimePeakL), 0.25f);
    EXPECT_EQ(meter(kMeterAllTimePeakR), 0.125f);
    EXPECT_GT(meter(kMeterPeakSmoothL), 0.01f) << "rebuilt from the engine's held peak within one block";
}

TEST_F(ZodizedezBallistics, ResetRequestFromTheEditorClearsTheAllTimePeaksAtTheNextBlock)
{
    processBlock(constant(0.9f, 0.9f), 512);
    EXPECT_FALSE(effect->transferCustomData(1, 0, nullptr, 0));
    processBlock(constant(0.3f, 0.3f), 512);
    EXPECT_EQ(meter(kMeterAllTimePeakL), 0.9f);

    EXPECT_TRUE(effect->transferCustomData(Zodizedez::kCustomDataResetPeaks, 0, nullptr, 0));
    EXPECT_EQ(meter(kMeterAllTimePeakL), 0.9f);
    processBlock(constant(0.3f, 0.3f), 512);
    EXPECT_EQ(meter(kMeterAllTimePeakL), 0.3f);
    EXPECT_EQ(meter(kMeterAllTimePeakR), 0.3f);
}

TEST_F(ZodizedezBallistics, MonoSendsTheSumWhileTheMetersMeasureTheStereoInput)
{
    effect->setParameter(kParamMono, 1.0f, false, false);
    const StereoSignal leftOnly = sine(0.6, 440.0, 44100, 0.0);
    play(leftOnly, 1.0);
    for (size_t i = 0; i < outL.size(); ++i)
    {
        const float l = leftOnly(position - int64_t(outL.size()) + int64_t(i)).first;
        ASSERT_EQ(outL[i], l * 0.5f);
        ASSERT_EQ(outR[i], l * 0.5f);
    }
    EXPECT_EQ(meter(kMeterPeakR), 0.0f);
    EXPECT_GT(meter(kMeterPeakL), 0.55f);

    effect->setParameter(kParamMono, 0.0f, false, false);
    processBlock(leftOnly, 512);
    EXPECT_EQ(outR, std::vector<float>(512, 0.0f)) << "stereo again: the input unchanged";
}
