// The Mono and Link switches and what the effect reports to its host.
#include "MeterFixture.h"

namespace
{
std::string textOf(void (QVEffect::*get)(int32_t, char*, int32_t), QVEffect& effect, int32_t index)
{
    char text[16];
    (effect.*get)(index, text, 15);
    return text;
}
} // namespace

TEST_F(MeterFixture, SwitchesAreNamedTwoStepParametersThatStartOff)
{
    EXPECT_EQ(textOf(&QVEffect::getParameterNameString, *effect, kParamMono), "Mono");
    EXPECT_EQ(textOf(&QVEffect::getParameterNameString, *effect, kParamLink), "Link");
    EXPECT_EQ(textOf(&QVEffect::getParameterNameString, *effect, 2), "");
    for (int32_t index : {kParamMono, kParamLink})
    {
        EXPECT_EQ(effect->getParameterStepCount(index), 2);
        EXPECT_EQ(effect->getParameter(index), 0.0f);
        EXPECT_EQ(textOf(&QVEffect::getParameterValueString, *effect, index), "Off");
        EXPECT_EQ(textOf(&QVEffect::getParameterUnitString, *effect, index), "");
    }
    EXPECT_EQ(effect->getParameterStepCount(2), 1);
}

TEST_F(MeterFixture, SwitchTextsFollowTheNearestStep)
{
    const std::pair<float, const char*> valueToText[] = {{0.6f, "On"}, {0.4f, "Off"}, {1.0f, "On"}, {0.0f, "Off"}};
    for (auto [value, text] : valueToText)
    {
        char buffer[8];
        EXPECT_TRUE(effect->getParameterValueStringFromValue(kParamMono, buffer, 7, value));
        EXPECT_STREQ(buffer, text) << value;
    }
    char untouched[8] = "keep";
    EXPECT_FALSE(effect->getParameterValueStringFromValue(2, untouched, 7, 1.0f));
    EXPECT_STREQ(untouched, "keep");
}

TEST_F(MeterFixture, TypedValuesAreNotParsed)
{
    effect->setParameter(kParamLink, 0.74f, false, false);
    EXPECT_EQ(effect->getParameter(kParamLink), 1.0f);
    EXPECT_EQ(effect->getParameterFromString(kParamLink, "Off"), 1.0f);
}

TEST_F(MeterFixture, ReportsAStereoRealTimeMeterWithoutMasterBypass)
{
    EXPECT_EQ(effect->getFlags(), 0x1C);
    EXPECT_EQ(effect->getCategories(), 0x800);
    EXPECT_EQ(effect->getMeterCount(), 0);
    EXPECT_EQ(effect->getClipCount(), 0);
    EXPECT_EQ(effect->getLatency(), 0);
    EXPECT_EQ(effect->getBankCount(), 1);
    EXPECT_EQ(effect->getParameterCount(), 2);
    const std::tuple<int32_t, int32_t, bool> configs[] = {{2, 2, true}, {1, 1, false}, {2, 1, false}, {8, 8, false}};
    for (auto [ins, outs, accepted] : configs)
        EXPECT_EQ(effect->checkChannelConfig(ins, outs), accepted) << ins << " in, " << outs << " out";
    EXPECT_FALSE(effect->setChannelConfig(1, 1));
    EXPECT_EQ(effect->getInputCount(), 2);
}

TEST(ZodizedezFactory, DescriptionInstanceHasNoChannelsUntilConfigured)
{
    std::unique_ptr<QVEffect> query{createQVEffect(QVEffect::kPluginTypeQuery, QVEffect::kChannelModeAny)};
    ASSERT_NE(dynamic_cast<Zodizedez*>(query.get()), nullptr);
    EXPECT_EQ(query->getPluginType(), QVEffect::kPluginTypeQuery);
    EXPECT_EQ(query->getInputCount(), 0);
    float silence[4] = {};
    float* channels[2] = {silence, silence};
    EXPECT_FALSE(query->checkProcessFloat(channels, channels, 4));
}
