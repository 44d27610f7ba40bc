#include "CLevelMeter.h"
#include "CLineMeter.h"
#include "MeterViewFixture.h"

#include <cmath>

namespace
{
struct LevelMeters : MeterViewFixture
{
    CLevelMeter* addBar(bool offscreen = false)
    {
        CBitmap* scale = makeStripes(20, kScaleRows);
        auto* bar = new CLevelMeter(kBarArea, scale, kScaleRows, CMeterView::kVertical);
        scale->forget();
        bar->setDecreaseStepValue(1.0f);
        bar->setUseOffscreen(offscreen);
        return add(bar);
    }
};
} // namespace

TEST_F(LevelMeters, BarShowsTheScaleFromTheValuesRowToTheEnd)
{
    const struct
    {
        float value;
        int32_t firstRow; // of the bitmap; -1 for nothing drawn
    } cases[] = {{1.0f, 0}, {0.5f, 241}, {0.0f, -1}, {1.7f, 0}, {-0.3f, -1}};
    for (bool offscreen : {false, true})
    {
        CLevelMeter* bar = addBar(offscreen);
        for (const auto& c : cases)
        {
            bar->setValue(c.value);
            redraw();
            const int32_t first = firstDrawnRow(20);
            EXPECT_EQ(first, c.firstRow < 0 ? -1 : kTop + c.firstRow) << "value " << c.value;
            if (c.firstRow < 0)
                continue;
            EXPECT_EQ(stripeIndex(window.getPixel(20, first)), c.firstRow);
            EXPECT_EQ(lastDrawnRow(20), kTop + kScaleRows - 1);
            EXPECT_EQ(stripeIndex(window.getPixel(20, kTop + kScaleRows - 1)), kScaleRows - 1);
        }
        frame->removeView(bar);
    }
}

TEST_F(LevelMeters, BarFallsByTheDecreaseStepPerDraw)
{
    CLevelMeter* bar = addBar();
    bar->setDecreaseStepValue(0.1f);
    bar->setValue(1.0f);
    redraw();
    bar->setValue(0.0f);
    for (int32_t draw = 1; draw <= 9; ++draw)
    {
        ASSERT_TRUE(bar->isDirty()) << "still falling";
        window.fill(kBlackCColor);
        frame->idle();
        const float shown = 1.0f - 0.1f * static_cast<float>(draw);
        EXPECT_NEAR(bar->getOldValue(), shown, 1e-5f);
        EXPECT_NEAR(firstDrawnRow(20), kTop + (1 - shown) * kScaleRows, 1.0) << "draw " << draw;
    }
    window.fill(kBlackCColor);
    frame->idle();
    EXPECT_EQ(firstDrawnRow(20), -1);
    EXPECT_FALSE(bar->isDirty()) << "arrived";
}

TEST_F(LevelMeters, OffscreenBarShowsOnlyTheCurrentLevel)
{
    CLevelMeter* bar = addBar(true);
    bar->setValue(1.0f);
    redraw();
    bar->setValue(0.5f);
    redraw();
    EXPECT_EQ(firstDrawnRow(20), kTop + 241) << "the rows lit before are dark again";
}

TEST_F(LevelMeters, VerticalLineShowsOneRowOfTheScaleAtTheValue)
{
    CBitmap* scale = makeStripes(20, kScaleRows);
    auto* line = add(new CLineMeter(kBarArea, scale, kScaleRows, 1, CMeterView::kVertical));
    scale->forget();
    line->setDecreaseStepValue(1.0f);
    const struct
    {
        float value;
        int32_t row;
    } cases[] = {{1.0f, 0}, {0.5f, 241}, {0.0f, -1}};
    for (const auto& c : cases)
    {
        line->setValue(c.value);
        redraw();
        EXPECT_EQ(firstDrawnRow(20), c.row < 0 ? -1 : kTop + c.row) << "value " << c.value;
        EXPECT_EQ(lastDrawnRow(20), c.row < 0 ? -1 : kTop + c.row);
        if (c.row >= 0)
        {
            EXPECT_EQ(stripeIndex(window.getPixel(20, kTop + c.row)), c.row);
        }
    }
}

TEST_F(LevelMeters, HorizontalPointerShowsOneColumnScaledToTheLastColumn)
{
    constexpr int32_t kColumns = 158;
    CBitmap* strip = makeStripes(kColumns, 13, StripeAxis::columns);
    auto* pointer = add(new CLineMeter(CRect(0, 5, kColumns, 18), strip, kColumns, 1, CMeterView::kHorizontal));
    strip->forget();
    pointer->setDecreaseStepValue(1.0f);
    const struct
    {
        float value;
        int32_t column;
    } cases[] = {{0.5f, 78}, {1.0f, 157}, {0.0f, 0}};
    for (const auto& c : cases)
    {
        pointer->setValue(c.value);
        redraw();
        for (int32_t x = 0; x < kColumns; ++x)
            EXPECT_EQ(stripeIndex(window.getPixel(x, 10)), x == c.column ? c.column : -1)
                << "value " << c.value << " column " << x;
    }
}

TEST_F(LevelMeters, HorizontalBarIsLitFromTheLeftUpToTheValue)
{
    constexpr int32_t kColumns = 158;
    CBitmap* strip = makeStripes(kColumns, 13, StripeAxis::columns);
    auto* bar = add(new CLevelMeter(CRect(0, 5, kColumns, 18), strip, kColumns, CMeterView::kHorizontal));
    strip->forget();
    bar->setDecreaseStepValue(1.0f);
    for (float value : {0.5f, 1.0f, 0.0f})
    {
        bar->setValue(value);
        redraw();
        const auto lit = static_cast<int32_t>(value * kColumns);
        for (int32_t x = 0; x < kColumns; ++x)
            EXPECT_EQ(stripeIndex(window.getPixel(x, 10)), x < lit ? x : -1) << "value " << value << " column " << x;
    }
}
