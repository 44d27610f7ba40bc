#include "CDynamicRangeMeter.h"
#include "MeterViewFixture.h"

#include <cmath>
#include <limits>

namespace
{
constexpr CColor kRed{255, 0, 0, 255};
constexpr CColor kGreen{0, 255, 0, 255};
constexpr CColor kBlue{0, 0, 255, 255};

struct DynamicRangeBars : MeterViewFixture
{
    using Weights = CDynamicRangeMeter::Weights;

    static CDynamicRangeMeter* makeBar(CBitmap* high, CBitmap* middle, CBitmap* low, const CRect& area)
    {
        auto* bar = new CDynamicRangeMeter(area, high, middle, low, kScaleRows, CMeterView::kVertical);
        for (CBitmap* bitmap : {high, middle, low})
            if (bitmap)
                bitmap->forget();
        bar->setDecreaseStepValue(1.0f);
        return bar;
    }
    CDynamicRangeMeter* addBar(CBitmap* high, CBitmap* middle, CBitmap* low)
    {
        return add(makeBar(high, middle, low, kBarArea));
    }
    // All three bitmaps the same row stripes; 8 dB shows the low one alone, so pixels are stripes.
    static CDynamicRangeMeter* makeStripedBar(const CRect& area)
    {
        auto* bar = makeBar(makeStripes(20, kScaleRows), makeStripes(20, kScaleRows), makeStripes(20, kScaleRows), area);
        bar->setDynamicRangeDB(8);
        return bar;
    }
    CDynamicRangeMeter* addStripedBar() { return add(makeStripedBar(kBarArea)); }
    void show(CDynamicRangeMeter* bar, float value, float bottom)
    {
        bar->setValue(value);
        bar->setBottomValue(bottom);
        redraw();
    }
};
} // namespace

TEST_F(DynamicRangeBars, WeightsFadeFromHighThroughMiddleToLowAndBlendThePictures)
{
    auto* bar = addBar(makeSolid(20, kScaleRows, kRed), makeSolid(20, kScaleRows, kGreen),
                       makeSolid(20, kScaleRows, kBlue));
    const float notANumber = std::numeric_limits<float>::quiet_NaN();
    const struct
    {
        float decibels;
        Weights weights;
        CColor pixel; // over black: red at its weight, then green, then blue over that
    } cases[] = {{20, {255, 0, 0}, kRed},          {14, {255, 0, 0}, kRed},
                 {12.5f, {127, 127, 0}, {64, 127, 0, 255}}, {11, {0, 255, 0}, kGreen},
                 {9.5f, {0, 127, 127}, {0, 64, 127, 255}},  {8, {0, 0, 255}, kBlue},
                 {-3, {0, 0, 255}, kBlue},         {notANumber, {0, 0, 255}, kBlue}};
    for (const auto& c : cases)
    {
        bar->setDynamicRangeDB(c.decibels);
        show(bar, 1.0f, 0.0f);
        EXPECT_EQ(bar->getColour(), c.weights) << c.decibels << " dB";
        const CColor pixel = window.getPixel(20, 200);
        EXPECT_NEAR(pixel.red, c.pixel.red, 2) << c.decibels << " dB";
        EXPECT_NEAR(pixel.green, c.pixel.green, 2) << c.decibels << " dB";
        EXPECT_NEAR(pixel.blue, c.pixel.blue, 2) << c.decibels << " dB";
    }
}

TEST_F(DynamicRangeBars, ColourOutsideZeroToOneIsIgnored)
{
    auto* bar = addStripedBar();
    bar->setColour(0.25f);
    const Weights quarter = bar->getColour();
    EXPECT_EQ(quarter, (Weights{127, 127, 0}));
    for (float t : {-0.1f, 1.1f, std::numeric_limits<float>::quiet_NaN()})
    {
        bar->setColour(t);
        EXPECT_EQ(bar->getColour(), quarter) << t;
    }
}

TEST_F(DynamicRangeBars, BarRunsFromTheValueDownToTheBottomValueAndNeverLeavesTheView)
{
    auto* bar = addStripedBar();
    const float infinity = std::numeric_limits<float>::infinity();
    const struct
    {
        float value, bottom;
        int32_t firstRow, lastRow; // of the bitmap; -1 for an empty bar
    } cases[] = {{1.0f, 0.5f, 0, 240},   {0.5f, 0.0f, 241, 481},  {0.5f, 0.75f, -1, -1},
                 {1.0f, -0.5f, 0, 481},  {1.0f, -infinity, -1, -1}, {1.0f, std::nanf(""), -1, -1}};
    for (const auto& c : cases)
    {
        show(bar, c.value, c.bottom);
        EXPECT_EQ(firstDrawnRow(20), c.firstRow < 0 ? -1 : kTop + c.firstRow) << c.value << " to " << c.bottom;
        EXPECT_EQ(lastDrawnRow(20), c.lastRow < 0 ? -1 : kTop + c.lastRow) << c.value << " to " << c.bottom;
        if (c.firstRow >= 0)
        {
            EXPECT_EQ(stripeIndex(window.getPixel(20, kTop + c.firstRow)), c.firstRow);
        }
    }
}

TEST_F(DynamicRangeBars, ANewBottomValueAloneDoesNotRedraw)
{
    auto* bar = addStripedBar();
    show(bar, 1.0f, 0.5f);
    bar->setBottomValue(0.0f);
    bar->setDynamicRangeDB(20);
    frame->idle();
    EXPECT_EQ(lastDrawnRow(20), kTop + 240) << "nothing redrawn";

    bar->setValue(0.9f);
    frame->idle();
    EXPECT_EQ(lastDrawnRow(20), kTop + kScaleRows - 1) << "the next draw shows the new bottom";
}

TEST_F(DynamicRangeBars, BarKeepsItsAttachTimeLeftAndRightAfterAResize)
{
    auto* bar = addStripedBar();
    bar->setViewSize(CRect(0, kTop, 60, kTop + kScaleRows));
    show(bar, 1.0f, 0.0f);
    EXPECT_EQ(firstDrawnRow(5), -1);
    EXPECT_EQ(firstDrawnRow(20), kTop);
    EXPECT_EQ(firstDrawnRow(40), -1);

    bar->setViewSize(CRect(0, 0, 0, 0));
    redraw();
    EXPECT_EQ(firstDrawnRow(20), -1) << "an empty view hides the bar";
}

TEST_F(DynamicRangeBars, BarHiddenBeforeItIsAddedDrawsInItsOwnColumnsOncePlaced)
{
    auto* bar = makeStripedBar(kBarArea);
    bar->setViewSize(CRect(0, 0, 0, 0));
    add(bar);
    show(bar, 1.0f, 0.0f);
    EXPECT_EQ(firstDrawnRow(20), -1) << "hidden";

    bar->setViewSize(CRect(0, kTop, 60, kTop + kScaleRows));
    show(bar, 1.0f, 0.0f);
    EXPECT_EQ(firstDrawnRow(5), -1);
    EXPECT_EQ(firstDrawnRow(20), kTop);
    EXPECT_EQ(firstDrawnRow(40), -1);
}

TEST_F(DynamicRangeBars, MissingBitmapsDrawNothingAndLeaveTheBarDirty)
{
    auto* bar = addBar(makeStripes(20, kScaleRows), nullptr, makeStripes(20, kScaleRows));
    show(bar, 1.0f, 0.0f);
    EXPECT_EQ(firstDrawnRow(20), -1);
    EXPECT_TRUE(bar->isDirty());
}
