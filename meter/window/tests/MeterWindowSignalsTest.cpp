#include "MeterWindowFixture.h"
#include "PngPixels.h"

#include "CDynamicRangeMeter.h"
#include "CTextLabel.h"

namespace
{
using MeterWindowSignals = MeterWindowFixture;
using namespace ZodizedezWindowLayout;

constexpr size_t kLeftLamp = 2, kRightLamp = 3;
constexpr size_t kLeftRangeBar = 13;
constexpr size_t kLeftAllTimePeak = 16, kRightAllTimePeak = 17, kLeftRms = 18;
constexpr CPoint kResetButtonCentre{47, 705};

// The middle of a silence lamp, in the lamp's own frame.
constexpr CPoint kLampCentre{16, 9};
constexpr int32_t kLampFrameHeight = 19;

} // namespace

TEST_F(MeterWindowSignals, AFullScaleSineLightsThePeakAndRmsBarsFromTheTopOfTheScaleAndLeavesTheLampsDark)
{
    play(sine(1.0, 997, sampleRate), 10);
    open();
    refresh();
    const PngPixels peakScale(PngPixels::bitmapPath(kPeakScale)), rmsScale(PngPixels::bitmapPath(kRmsScale));
    for (const Placement& bar : kLevelBars)
    {
        const PngPixels& scale = bar.bitmap == kPeakScale ? peakScale : rmsScale;
        const int32_t x = bar.rect.left + bar.rect.width() / 2;
        EXPECT_EQ(window.getPixel(x, 126), scale.at(bar.rect.width() / 2, 0)) << "bar at x " << x;
        EXPECT_EQ(window.getPixel(x, 607), scale.at(bar.rect.width() / 2, 481)) << "bar at x " << x;
        EXPECT_NE(window.getPixel(x, 125), scale.at(bar.rect.width() / 2, 0)) << "above the scale, x " << x;
    }
    const PngPixels lamp(PngPixels::bitmapPath(kSilenceLamp));
    for (size_t i : {kLeftLamp, kRightLamp})
    {
        const CRect& where = view(i)->getViewSize();
        EXPECT_EQ(window.getPixel(where.left + kLampCentre.h, where.top + kLampCentre.v),
                  lamp.at(kLampCentre.h, kLampCentre.v));
    }
    EXPECT_EQ(static_cast<CTextLabel*>(view(kLeftRms))->getText(), std::string("0.0"));
}

TEST_F(MeterWindowSignals, AfterDigitalSilenceBothLampsAreLit)
{
    play(sine(0.5, 997, sampleRate), 1);
    play(silence(), 0.5);
    open();
    refresh();
    EXPECT_EQ(meter(kMeterSilenceL), 1.0f);
    const PngPixels lamp(PngPixels::bitmapPath(kSilenceLamp));
    for (size_t i : {kLeftLamp, kRightLamp})
    {
        const CRect& where = view(i)->getViewSize();
        EXPECT_EQ(window.getPixel(where.left + kLampCentre.h, where.top + kLampCentre.v),
                  lamp.at(kLampCentre.h, kLampCentre.v + kLampFrameHeight));
    }
}

TEST_F(MeterWindowSignals, AboutTwelveDecibelsOfDynamicRangeColourTheBarBetweenGreenAndYellow)
{
    play(plucks(sampleRate, 0.9, 1.0), 8);
    open();
    refresh();
    const float decibels = 20 * std::log10(meter(kMeterDynamicRangeL));
    ASSERT_NEAR(decibels, 12, 1);
    auto* bar = static_cast<CDynamicRangeMeter*>(view(kLeftRangeBar));
    const CDynamicRangeMeter::Weights colour = bar->getColour();
    EXPECT_GT(colour.red, 0);
    EXPECT_GT(colour.green, 0);
    EXPECT_EQ(colour.blue, 0);
    // The drawn pixel is the green bar laid over the black backdrop, the yellow one over that.
    const CRect& drawn = bar->getDrawRect();
    ASSERT_FALSE(drawn.isEmpty());
    const CPoint where{view(kLeftRangeBar)->getViewSize().left + 10, (drawn.top + drawn.bottom) / 2};
    const CPoint inBar{10, where.v - 126};
    const PngPixels green(PngPixels::bitmapPath(kChannelRangeBars));
    const PngPixels yellow(PngPixels::bitmapPath(kChannelRangeBars + 1));
    const PngPixels backdrop(PngPixels::bitmapPath(kRangeBarBackdrop));
    const CColor shown = window.getPixel(where.h, where.v);
    const CColor below = backdrop.at(where.h - 79, where.v - 120);
    auto over = [](float under, float above, uint8_t weight) { return under + (above - under) * weight / 255.0f; };
    for (auto channel : {&CColor::red, &CColor::green, &CColor::blue})
    {
        const float blend = over(over(below.*channel, green.at(inBar.h, inBar.v).*channel, colour.red),
                                 yellow.at(inBar.h, inBar.v).*channel, colour.green);
        EXPECT_NEAR(shown.*channel, blend, 3);
    }
}

TEST_F(MeterWindowSignals, TheRangeBarFollowsANewDynamicRangeWhileThePeakStaysAtFullScale)
{
    play(sine(1.2, 997, sampleRate), 4); // a steady sine: no dynamic range, the red end
    open();
    refresh();
    auto* bar = static_cast<CDynamicRangeMeter*>(view(kLeftRangeBar));
    const CDynamicRangeMeter::Weights before = bar->getColour();
    const float shownPeak = bar->getValue();
    ASSERT_EQ(shownPeak, 1.0f);
    for (int i = 0; i < 200; ++i)
    {
        play(plucks(sampleRate, 3.0, 1.0), 0.02); // peaks far above full scale: the bar's top stays
        refresh();
    }
    ASSERT_EQ(bar->getValue(), shownPeak);
    EXPECT_NE(bar->getColour(), before);
}

TEST_F(MeterWindowSignals, OneClickOnResetAsksTwiceAndTheOverReadoutsClearWithTheNextBlock)
{
    play(sine(1.5, 997, sampleRate), 0.5);
    open();
    refresh();
    auto text = [&](size_t i) { return std::string(static_cast<CTextLabel*>(view(i))->getText()); };
    ASSERT_EQ(text(kLeftAllTimePeak), "over");
    ASSERT_EQ(text(kRightAllTimePeak), "over");
    click(kResetButtonCentre);
    EXPECT_EQ(countingMeter->resetRequests, 2);
    refresh();
    EXPECT_EQ(text(kLeftAllTimePeak), "over"); // the request waits for the audio thread's next block
    ASSERT_TRUE(processBlock(sine(0.5, 997, sampleRate), 512));
    refresh();
    EXPECT_EQ(text(kLeftAllTimePeak).substr(0, 3), "-6.");
    EXPECT_EQ(text(kRightAllTimePeak).substr(0, 3), "-6.");
}

TEST_F(MeterWindowSignals, ClickingMonoMakesTheOutputTheMonoSumWhileTheMetersKeepMeasuringTheInput)
{
    open();
    click({107, 705});
    refresh();
    EXPECT_EQ(control(24)->getValue(), 1.0f) << "the Mono button shows the parameter";
    play(constant(0.5f, 0.0f), 0.5);
    EXPECT_EQ(outL.back(), 0.25f);
    EXPECT_EQ(outR.back(), 0.25f);
    EXPECT_EQ(meter(kMeterPeakR), 0.0f);
}
