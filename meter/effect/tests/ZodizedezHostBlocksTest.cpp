// Blocks and rates a host may deliver, and input it should never deliver.
#include "MeterFixture.h"

#include <limits>

namespace
{
std::vector<float> allMeters(QVEffect& effect)
{
    std::vector<float> values;
    for (int32_t index = 0; index < kMeterTotal; ++index)
        values.push_back(effect.getMeterLinear(index));
    return values;
}

bool allFinite(const std::vector<float>& values)
{
    return std::all_of(values.begin(), values.end(), [](float v) { return std::isfinite(v); });
}
} // namespace

TEST_F(MeterFixture, ZeroFrameBlockChangesNoMeter)
{
    play(sine(0.5, 440.0, 44100), 0.5);
    const auto before = allMeters(*effect);
    ASSERT_TRUE(processBlock(silence(), 0));
    EXPECT_EQ(allMeters(*effect), before);
}

TEST_F(MeterFixture, BlockLongerThanTheBlockSizeIsRefusedAndOutputsStayUntouched)
{
    configure(44100, 256);
    EXPECT_TRUE(processBlock(constant(0.5f, 0.5f), 256));
    EXPECT_FALSE(processBlock(constant(0.5f, 0.5f), 257));
    EXPECT_EQ(outL, std::vector<float>(257, -9.0f));
}

TEST_F(MeterFixture, EverySupportedSampleRateReadsASineAlike)
{
    for (int32_t rate : {8000, 44100, 96000, 192000, 384000})
    {
        MeterHost run;
        run.configure(rate, 512);
        run.play(sine(1.0, 997.0 * rate / 44100.0, rate), 6.0);
        EXPECT_NEAR(run.meter(kMeterDynamicRangeLR), 1.0f, 0.01f) << rate;
        EXPECT_NEAR(run.meter(kMeterRmsL), 1.0f, 0.01f) << rate;
        EXPECT_NEAR(run.meter(kMeterPeakL), 1.0f, 0.01f) << rate;
    }
}

TEST_F(MeterFixture, SampleRateChangeBetweenBlocksKeepsTheReadingsSensible)
{
    play(sine(0.5, 997.0, 44100), 3.0);
    configure(96000, 512);
    EXPECT_EQ(meter(kMeterPeakL), 0.0f) << "re-initialising resets the displays";
    play(sine(0.5, 997.0, 96000), 4.0);
    EXPECT_NEAR(meter(kMeterRmsL), 0.5f, 0.01f);
    EXPECT_NEAR(meter(kMeterDynamicRangeL), 1.0f, 0.01f);
    EXPECT_NEAR(meter(kMeterAllTimePeakL), 0.5f, 0.001f);
}

TEST_F(MeterFixture, NonFiniteSamplesPassThroughWithoutSpoilingTheMeters)
{
    const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
    const StereoSignal music = sine(0.5, 440.0, 44100);
    auto spoiled = [&](int64_t i) {
        if (i % 4410 == 3)
            return std::pair{nan, -inf};
        return music(i);
    };
    play(spoiled, 3.0);
    EXPECT_TRUE(allFinite(allMeters(*effect)));
    EXPECT_NEAR(meter(kMeterRmsL), 0.5f, 0.01f);
    EXPECT_NEAR(meter(kMeterDynamicRangeLR), 1.0f, 0.02f);

    while (std::none_of(inL.begin(), inL.end(), [](float v) { return std::isnan(v); }))
        processBlock(spoiled, 512);
    const size_t spoiledFrame = size_t(std::find_if(inL.begin(), inL.end(), [](float v) { return std::isnan(v); }) -
                                       inL.begin());
    EXPECT_TRUE(std::isnan(outL[spoiledFrame]));
    EXPECT_EQ(outR[spoiledFrame], -inf);
    EXPECT_EQ(outL[spoiledFrame + 1], inL[spoiledFrame + 1]);
}

TEST_F(MeterFixture, DenormalInputReadsAsSilence)
{
    play(sine(1e-39, 440.0, 44100), 3.0);
    EXPECT_TRUE(allFinite(allMeters(*effect)));
    EXPECT_EQ(meter(kMeterSilenceL), 1.0f);
    EXPECT_EQ(readout(kMeterRmsL), "-oo");
    EXPECT_EQ(readout(kMeterDynamicRangeL), "0.0");
}

TEST(ZodizedezChannels, MonoInstanceNeverReadsASecondChannel)
{
    std::unique_ptr<QVEffect> mono{createQVEffect(QVEffect::kPluginTypeRealTime, QVEffect::kChannelModeMono)};
    std::vector<float> in(512, 0.5f), out(512, -9.0f);
    float* inputs[1] = {in.data()};
    float* outputs[1] = {out.data()};
    ASSERT_TRUE(mono->checkProcessFloat(inputs, outputs, 512));
    mono->processFloat(inputs, outputs, 512);
    EXPECT_EQ(mono->getMeterLinear(kMeterPeakL), 0.0f);
}
