#include "CDrawContext.h"
#include "CFrame.h"
#include "COffscreenWindow.h"
#include "CQVAnimKnob.h"
#include "CQVHorizontalAnimSlider.h"
#include "CQVVersionSplashScreen.h"
#include "CScriptedSystem.h"
#include "EditLog.h"
#include "MouseButtons.h"
#include "TestBitmaps.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

using testing::ElementsAre;

namespace
{
struct ControlGestures : testing::Test
{
    CScriptedSystem system;
    COffscreenWindow window{220, 220, &system};
    EditLog log;
    CFrame* frame = new CFrame(CRect(0, 0, 220, 220), &window, &log);

    ControlGestures() { log.setKnobMode(kKnobLinear); }
    ~ControlGestures() override { delete frame; }

    template <typename View> View* add(View* view)
    {
        frame->addView(view);
        return view;
    }
    CQVAnimKnob* addKnob(int32_t frames = 31)
    {
        CBitmap* strip = makeStripes(20, 20 * frames);
        auto* knob = add(new CQVAnimKnob(CRect(100, 100, 120, 120), &log, 9, strip));
        strip->forget();
        return knob;
    }
    void play(std::vector<GestureStep> gesture)
    {
        system.play(gesture);
        CDrawContext context(frame, &window);
        CPoint where = gesture.front().where;
        frame->mouse(&context, where);
    }
    void drag(CPoint from, CPoint to, int32_t buttons = kMouseLeft)
    {
        system.playDrag(from, to, 10, buttons);
        CDrawContext context(frame, &window);
        frame->mouse(&context, from);
    }
    // The largest change between two values the listener heard in a row.
    float largestJump() const
    {
        float jump = 0;
        for (size_t i = 1; i < log.values.size(); ++i)
            jump = std::max(jump, std::fabs(log.values[i] - log.values[i - 1]));
        return jump;
    }
};

constexpr CPoint kKnobCentre(110, 110);
} // namespace

TEST_F(ControlGestures, KnobDrawsTheNearestFrameAndNeverOneOutsideItsStrip)
{
    auto* knob = addKnob(31);
    const struct
    {
        float value;
        int32_t frame;
    } cases[] = {{0.5f, 15}, {0.49f, 15}, {1.0f, 30}, {0.0f, 0}, {1.5f, 30}, {-0.5f, 0}};
    for (const auto& c : cases)
    {
        knob->setValue(c.value);
        window.fill(kBlackCColor);
        frame->redraw();
        EXPECT_EQ(stripeIndex(window.getPixel(110, 100)), c.frame * 20) << "value " << c.value;
    }
}

TEST_F(ControlGestures, LinearKnobDragCoversTheRangeIn200PixelsOr800WhenFine)
{
    auto* knob = addKnob();
    const struct
    {
        CPoint to;
        int32_t buttons;
        float value;
    } cases[] = {{{310, 110}, kMouseLeft, 1.0f},
                 {{110, -90}, kMouseLeft, 1.0f},
                 {{60, 110}, kMouseLeft, 0.25f},
                 {{10, 110}, kMouseLeft | kMouseCommand, 0.375f},
                 {{310, -90}, kMouseLeft | kMouseCommand, 1.0f}};
    for (const auto& c : cases)
    {
        knob->setValue(0.5f);
        drag(kKnobCentre, c.to, c.buttons);
        EXPECT_FLOAT_EQ(knob->getValue(), c.value) << "to " << c.to.h << ", " << c.to.v;
    }
    EXPECT_EQ(log.events.front(), "begin 9");
    EXPECT_EQ(log.events.back(), "end 9");
}

TEST_F(ControlGestures, SwitchingFineModeMidDragCarriesOnWithoutAJump)
{
    auto* knob = addKnob();
    knob->setValue(0);
    std::vector<GestureStep> gesture;
    for (int32_t x = 0; x <= 100; x += 10)
        gesture.push_back({{110 + x, 110}, kMouseLeft}); // 0.5 of the range
    for (int32_t x = 110; x <= 300; x += 10)
        gesture.push_back({{110 + x, 110}, kMouseLeft | kMouseCommand}); // 200 px fine: a quarter more
    for (int32_t x = 290; x >= 200; x -= 10)
        gesture.push_back({{110 + x, 110}, kMouseLeft}); // back coarse
    play(gesture);
    EXPECT_LE(largestJump(), 10 / 200.0f + 1e-5f);
    // The move during which the modifier changes still counts at the rate it started with.
    const float expected = 0.5f + (10 / 200.0f + 190 / 800.0f) - (10 / 800.0f + 90 / 200.0f);
    EXPECT_NEAR(knob->getValue(), expected, 1e-5f);
}

TEST_F(ControlGestures, OptionClickSetsTheDefaultAndReportsItOnce)
{
    auto* knob = addKnob();
    auto* slider = add(new CQVHorizontalAnimSlider(CRect(0, 0, 200, 20), &log, 4, makeStripes(200, 20), {}, 0.8f));
    slider->getBackground()->forget();
    for (CControl* control : {static_cast<CControl*>(knob), static_cast<CControl*>(slider)})
    {
        log.events.clear();
        control->setValue(0.9f);
        control->setDefaultValue(0.3f);
        const CRect& area = control->getViewSize();
        play({{CPoint(area.left + 5, area.top + 5), kMouseLeft | kMouseOption}});
        EXPECT_FLOAT_EQ(control->getValue(), 0.3f);
        const std::string tag = std::to_string(control->getTag());
        EXPECT_THAT(log.events, ElementsAre("begin " + tag, "value 0.3", "end " + tag));
    }
}

TEST_F(ControlGestures, WheelStepsAreFinerWithCommandAndStayInRange)
{
    auto* knob = addKnob();
    const struct
    {
        float start, distance;
        int32_t held;
        float value;
    } cases[] = {{0.5f, 1, 0, 0.535f}, {0.5f, -2, 0, 0.43f}, {0.5f, 1, kMouseCommand, 0.50875f}, {0.99f, 1, 0, 1.0f}};
    for (const auto& c : cases)
    {
        knob->setValue(c.start);
        knob->setDirty(false);
        system.play({{kKnobCentre, c.held}});
        CDrawContext context(frame, &window);
        EXPECT_TRUE(frame->onWheel(&context, kKnobCentre, c.distance));
        EXPECT_FLOAT_EQ(knob->getValue(), c.value);
    }
    EXPECT_EQ(log.events.size(), 3u * std::size(cases));
}

TEST_F(ControlGestures, CircularKnobFollowsTheAngleAndPinsAJumpAcrossTheGap)
{
    log.setKnobMode(kKnobCircular);
    auto* knob = addKnob();
    knob->setValue(0.5f);
    frame->redraw();
    play({{{110, 100}, kMouseLeft}, {{120, 110}, kMouseLeft}, {{119, 119}, kMouseLeft}, {{101, 119}, kMouseLeft}});
    log.setKnobMode(kKnobLinear);
    EXPECT_NEAR(log.values.at(0), 5 / 6.0f, 1e-3f) << "pointing right is 90 of the 270 degrees past the top";
    EXPECT_NEAR(log.values.at(1), 1.0f, 1e-3f);
    EXPECT_EQ(knob->getValue(), 1.0f) << "the jump to the far side stays at the end it came from";
}

TEST_F(ControlGestures, SliderRunsOverItsTravelAndMovesAQuarterAsFastWhenFine)
{
    CBitmap* strip = makeStripes(200, 20);
    auto* slider = add(new CQVHorizontalAnimSlider(CRect(10, 0, 210, 20), &log, 5, strip, {}, 0.8f));
    strip->forget();
    const struct
    {
        int32_t x;
        float value;
    } clicks[] = {{30, 0}, {110, 0.5f}, {190, 1}, {12, 0}, {208, 1}};
    for (const auto& c : clicks)
    {
        play({{{c.x, 10}, kMouseLeft}});
        EXPECT_NEAR(slider->getValue(), c.value, 1e-6f) << "x " << c.x;
    }

    play({{{110, 10}, kMouseLeft}, {{150, 10}, kMouseLeft | kMouseCommand}});
    EXPECT_NEAR(slider->getValue(), 0.5f + 10 / 160.0f, 1e-6f) << "40 px fine is 10 px";
}

TEST_F(ControlGestures, InformationControlOpensItsPanelAsModalViewUntilThePanelIsClicked)
{
    CBitmap* panelPicture = makeSolid(200, 60, {0, 0, 200, 255});
    auto* info = add(new CQVVersionSplashScreen(CRect(20, 200, 180, 215), &log, -1, panelPicture, CRect(0, 150, 200, 210)));
    panelPicture->forget();
    info->setText("www.example.org\nexample.org");
    info->setTextOffset(CPoint(10, 5));
    info->setTextFont(kFontSmall);
    info->setTextFace(kFaceBold);
    frame->redraw();
    EXPECT_EQ(window.getPixel(100, 160), kBlackCColor) << "closed: nothing over the background";

    play({{{50, 205}, kMouseLeft}});
    ASSERT_NE(frame->getModalView(), nullptr);
    EXPECT_EQ(info->getValue(), 1);
    frame->idle();
    EXPECT_EQ(window.getPixel(199, 209), (CColor{0, 0, 200, 255}));
    int32_t textPixels = 0;
    for (int32_t y = 155; y < 171; ++y)
        for (int32_t x = 10; x < 210; ++x)
            textPixels += window.getPixel(x, y).red > 128;
    EXPECT_GT(textPixels, 20) << "the white text line";

    play({{{5, 5}, kMouseLeft}}); // anywhere: the panel takes every click
    EXPECT_EQ(frame->getModalView(), nullptr);
    EXPECT_EQ(info->getValue(), 0);
    frame->idle();
    EXPECT_EQ(window.getPixel(199, 209), kBlackCColor) << "the frame redrew what the panel covered";
    EXPECT_THAT(log.events, ElementsAre("value 1.0", "value 0.0"));
}

TEST(InformationText, KeepsTheLongestAlternativeThatFits)
{
    CQVVersionSplashScreen info(CRect(), nullptr, 0, nullptr, CRect());
    info.setText((std::string(300, 'w') + "\nwww.example.org").c_str());
    char text[32];
    info.getText(text, 31);
    EXPECT_STREQ(text, "www.example.org") << "the long alternative does not fit 255 characters";
    char shortText[8];
    info.getText(shortText, 7);
    EXPECT_STREQ(shortText, "www.exa");
}
