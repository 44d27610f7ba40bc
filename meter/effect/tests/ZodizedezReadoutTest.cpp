// Display positions and read-out texts of the nineteen meters.
#include "MeterFixture.h"

namespace
{
// Reports one chosen linear value on every meter, so that the mapping can be read off directly.
class FixedValueMeter : public Zodizedez
{
public:
    FixedValueMeter() : Zodizedez(QVEffect::kPluginTypeRealTime, QVEffect::kChannelModeStereo) {}
    float getMeterLinear(int32_t) override { return value; }
    float value = 0;
};

struct ReadoutCase
{
    int32_t index;
    float value;
    const char* text;
    float position;
};

std::string readoutOf(QVEffect& effect, int32_t index, int32_t maxLen = 31)
{
    char text[32];
    effect.getMeterValueString(index, text, maxLen);
    return text;
}
} // namespace

TEST(ZodizedezReadout, TextsAndPositionsFollowTheMeterClass)
{
    const ReadoutCase cases[] = {
        {kMeterPeakL, 1.0f, "0.0", 1.0f},
        {kMeterRmsR, 0.5f, "-6.0", 0.8745709f},
        {kMeterPeakHoldL, 0.001f, "-60.0", 0.0f},
        {kMeterPeakSmoothMax, 1.5e-5f, "-oo", 0.0f},
        {kMeterRmsHoldL, 1.6e-5f, "-95.9", 0.0f},
        {kMeterPeakR, 0.0f, "-oo", 0.0f},
        {kMeterAllTimePeakL, 1.0f, "over", 1.0f},
        {kMeterAllTimePeakR, 0.99f, "-0.1", 0.99f},
        {kMeterAllTimePeakR, 1.7f, "over", 1.7f},
        {kMeterDynamicRangeL, 0.9f, "0.0", 0.9809344f},
        {kMeterDynamicRangeR, 3.98f, "12.0", 1.0f},
        {kMeterDynamicRangeLR, 1.0f, "0.0", 1.0f},
        {kMeterSilenceL, 1.0f, "", 1.0f},
        {kMeterSilenceR, 2.0f, "", 1.0f},
        {kMeterCorrelation, 0.375f, "0.0", 0.375f},
        {kMeterCorrelation, -0.5f, "0.0", 0.0f},
        {19, 0.5f, "", 0.5f},
    };
    for (const auto& c : cases)
    {
        FixedValueMeter effect;
        effect.value = c.value;
        SCOPED_TRACE(testing::Message() << "meter " << c.index << " at " << c.value);
        EXPECT_EQ(readoutOf(effect, c.index), c.text);
        EXPECT_NEAR(effect.getMeter(c.index), c.position, 1e-6);
        char unit[8] = "x";
        effect.getMeterUnitString(c.index, unit, 7);
        EXPECT_STREQ(unit, "");
    }
}

TEST(ZodizedezReadout, ReadoutsStayWithinTheBuffer)
{
    FixedValueMeter effect;
    effect.value = 0.001f;
    EXPECT_EQ(readoutOf(effect, kMeterPeakL, 3), "-60");
    effect.value = 1.0f;
    EXPECT_EQ(readoutOf(effect, kMeterAllTimePeakL, 2), "ov");
}

TEST_F(MeterFixture, CorrelationReadsTheRawSignCorrelation)
{
    const std::pair<double, const char*> rightGainToText[] = {{1.0, "1.0"}, {-1.0, "-1.0"}, {0.0, "0.0"}};
    for (auto [rightGain, text] : rightGainToText)
    {
        MeterHost run;
        run.play(sine(0.5, 440.0, 44100, rightGain), 8.0);
        EXPECT_EQ(run.readout(kMeterCorrelation), text) << "right gain " << rightGain;
        EXPECT_NEAR(run.meter(kMeterCorrelation), (1.0 + rightGain) * 0.5, 0.01);
    }
}

TEST_F(MeterFixture, AllTimePeakReadsOverAfterThreeEqualFullScaleSamples)
{
    auto threeAtFullScale = [](int64_t i) {
        const float v = (i >= 100 && i < 103) ? 1.0f : 0.0f;
        return std::pair{v, 0.5f * v};
    };
    processBlock(threeAtFullScale, 512);
    EXPECT_EQ(readout(kMeterAllTimePeakL), "over");
    EXPECT_EQ(readout(kMeterAllTimePeakR), "-6.0");
}
