#include "CAnimKnob.h"
#include "CControlListener.h"
#include "CDrawContext.h"
#include "CFrame.h"
#include "CKickButton.h"
#include "CMovieBitmap.h"
#include "COffscreenWindow.h"
#include "COnOffButton.h"
#include "CParamDisplay.h"
#include "CScriptedSystem.h"
#include "CSplashScreen.h"
#include "CTextEdit.h"
#include "EditLog.h"
#include "MouseButtons.h"
#include "TestBitmaps.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

namespace
{
constexpr CColor kGrey{127, 127, 127, 255};
constexpr CColor kRed{255, 0, 0, 255};

struct ControlFixture : testing::Test
{
    CScriptedSystem system;
    COffscreenWindow window{60, 60, &system};
    EditLog log;
    CFrame* frame = new CFrame(CRect(0, 0, 60, 60), &window, &log);

    ~ControlFixture() override { delete frame; }

    template <typename View> View* add(View* view)
    {
        frame->addView(view);
        return view;
    }
    void click(CPoint where, std::vector<GestureStep> gesture)
    {
        system.play(std::move(gesture));
        CDrawContext context(frame, &window);
        frame->mouse(&context, where);
    }
    void click(CPoint where) { click(where, {{where, kMouseLeft}}); }
    void redraw()
    {
        window.fill(kBlackCColor);
        frame->redraw();
    }
};

using testing::ElementsAre;
} // namespace

TEST_F(ControlFixture, OnOffButtonTogglesOnEachClickAndReportsWithinAnEdit)
{
    CBitmap* strip = makeStripes(10, 20);
    auto* button = add(new COnOffButton(CRect(0, 0, 10, 10), &log, 7, strip));
    strip->forget();

    click(CPoint(5, 5));
    redraw();
    EXPECT_EQ(stripeIndex(window.getPixel(5, 0)), 10) << "the on frame";
    click(CPoint(5, 5));
    redraw();
    EXPECT_EQ(stripeIndex(window.getPixel(5, 0)), 0) << "the off frame";
    EXPECT_THAT(log.events, ElementsAre("begin 7", "value 1.0", "end 7", "begin 7", "value 0.0", "end 7"));
    EXPECT_EQ(button->getValue(), 0);
}

TEST_F(ControlFixture, KickButtonReportsThePressAndTheReleaseAndFollowsThePointerOffAndOn)
{
    CBitmap* strip = makeStripes(10, 20);
    auto* button = add(new CKickButton(CRect(0, 0, 10, 10), &log, 3, 10, strip));
    strip->forget();

    click(CPoint(5, 5));
    EXPECT_THAT(log.events, ElementsAre("begin 3", "value 1.0", "value 0.0", "end 3"));

    log.events.clear();
    click(CPoint(5, 5), {{CPoint(5, 5), kMouseLeft}, {CPoint(40, 40), kMouseLeft}, {CPoint(5, 5), kMouseLeft}});
    EXPECT_THAT(log.events, ElementsAre("begin 3", "value 1.0", "value 0.0", "value 1.0", "value 0.0", "end 3"));
    EXPECT_EQ(button->getValue(), 0);
}

TEST_F(ControlFixture, MovieBitmapShowsTheFrameItsValueChoosesWithinTheStrip)
{
    CBitmap* strip = makeStripes(10, 30); // three frames of ten rows
    auto* movie = add(new CMovieBitmap(CRect(0, 0, 10, 10), nullptr, 0, strip));
    strip->forget();
    const struct
    {
        float value;
        int32_t firstRow;
    } cases[] = {{0, 0}, {0.5f, 10}, {1, 20}, {3, 20}, {-1, 0}};
    for (const auto& c : cases)
    {
        movie->setValue(c.value);
        redraw();
        EXPECT_EQ(stripeIndex(window.getPixel(5, 0)), c.firstRow) << "value " << c.value;
    }
}

TEST_F(ControlFixture, TransparentTextLabelDrawsOnlyItsTextInTheFontColour)
{
    auto* label = add(new CTextLabel(CRect(5, 5, 45, 25), "88", nullptr, kStyleNoFrame));
    label->setTransparency(true);
    label->setFont(kFontSmaller);
    label->setBackColor(kGrey);
    redraw();

    int32_t textPixels = 0;
    for (int32_t y = 0; y < 60; ++y)
        for (int32_t x = 0; x < 60; ++x)
        {
            const CColor pixel = window.getPixel(x, y);
            EXPECT_TRUE(pixel.red == pixel.green && pixel.green == pixel.blue) << "white on black only";
            if (pixel.red > 60)
            {
                ++textPixels;
                EXPECT_TRUE(CRect(5, 5, 45, 25).pointInside(CPoint(x, y)));
            }
        }
    EXPECT_GT(textPixels, 10);
    EXPECT_NE(window.getPixel(6, 6), kGrey) << "no back colour when transparent";

    label->setDirty(false);
    label->setText("88");
    EXPECT_FALSE(label->isDirty()) << "the same text again is no change";
    label->setText("-inf");
    EXPECT_TRUE(label->isDirty());
}

TEST_F(ControlFixture, ReadOutFrameIsDrawnUnlessTheNoFrameStyleIsSet)
{
    auto* framed = add(new CParamDisplay(CRect(0, 0, 28, 20)));
    auto* plain = add(new CParamDisplay(CRect(30, 0, 58, 20), nullptr, kStyleNoFrame));
    for (CParamDisplay* display : {framed, plain})
    {
        display->setBackColor(kGrey);
        display->setFrameColor(kRed);
    }
    redraw();
    EXPECT_EQ(window.getPixel(14, 0), kRed);
    EXPECT_EQ(window.getPixel(44, 0), kGrey);
}

TEST_F(ControlFixture, TextEditTakesTheKeysAfterAClickAndReportsOnReturn)
{
    auto* edit = add(new CTextEdit(CRect(0, 0, 40, 20), &log, 2, "1"));
    VstKeyCode key;
    EXPECT_EQ(frame->onKeyDown(key), -1) << "no keys before a click";

    click(CPoint(5, 5));
    for (int32_t character : {'2', '5', 'x'})
    {
        key.character = character;
        EXPECT_EQ(frame->onKeyDown(key), 1);
    }
    key = {0, kVirtualBack, 0};
    frame->onKeyDown(key);
    key = {0, kVirtualReturn, 0};
    frame->onKeyDown(key);
    EXPECT_STREQ(edit->getText(), "125");
    EXPECT_THAT(log.events, ElementsAre("begin 2", "value 0.0", "end 2"));
    EXPECT_EQ(frame->getFocusView(), nullptr);
}

TEST_F(ControlFixture, SplashScreenShowsItsPictureInTheDisplayAreaUntilClickedAgain)
{
    CBitmap* picture = makeStripes(40, 20);
    auto* splash = add(new CSplashScreen(CRect(0, 50, 10, 60), &log, 4, picture, CRect(10, 10, 50, 30)));
    picture->forget();

    click(CPoint(5, 55));
    redraw();
    EXPECT_EQ(splash->getValue(), 1);
    EXPECT_EQ(stripeIndex(window.getPixel(20, 15)), 5);

    click(CPoint(20, 15));
    redraw();
    EXPECT_EQ(splash->getValue(), 0);
    EXPECT_EQ(window.getPixel(20, 15), kBlackCColor);
    EXPECT_THAT(log.events, ElementsAre("value 1.0", "value 0.0"));
}

TEST(AnimKnob, PicksFramesByTruncationAndMapsAnglesToValues)
{
    COffscreenWindow window(20, 20);
    auto* frame = new CFrame(CRect(0, 0, 20, 20), &window, nullptr);
    CBitmap* strip = makeStripes(20, 20 * 5);
    auto* knob = new CAnimKnob(CRect(0, 0, 20, 20), nullptr, 0, strip);
    strip->forget();
    frame->addView(knob);

    knob->setValue(0.74f);
    frame->redraw();
    EXPECT_EQ(stripeIndex(window.getPixel(10, 0)), 2 * 20) << "trunc(0.74 * 4) = 2";
    knob->setInverseBitmap(true);
    frame->redraw();
    EXPECT_EQ(stripeIndex(window.getPixel(10, 0)), 1 * 20) << "trunc(0.26 * 4) = 1";

    EXPECT_NEAR(knob->valueFromPoint(CPoint(10, 0)), 0.5f, 1e-3) << "straight up is the middle";
    EXPECT_NEAR(knob->valueFromPoint(CPoint(0, 20)), 0.0f, 1e-3) << "lower left is the start";
    EXPECT_NEAR(knob->valueFromPoint(CPoint(20, 20)), 1.0f, 1e-3) << "lower right is the end";
    EXPECT_EQ(knob->valueFromPoint(CPoint(9, 20)), 0.0f) << "the gap below goes to the nearer end";
    knob->setValue(0.5f);
    CPoint handle;
    knob->valueToPoint(handle);
    EXPECT_EQ(handle, CPoint(10, 0));
    delete frame;
}
