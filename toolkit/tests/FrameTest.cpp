#include "CDrawContext.h"
#include "CFrame.h"
#include "COffscreenWindow.h"
#include "CScriptedSystem.h"
#include "MouseButtons.h"
#include "RecordingView.h"

#include <gtest/gtest.h>

namespace
{
constexpr CColor kRed{255, 0, 0, 255};
constexpr CColor kBlue{0, 0, 255, 255};
constexpr CColor kGrey{90, 90, 90, 255};

struct FrameFixture : testing::Test
{
    CScriptedSystem system;
    COffscreenWindow window{40, 40, &system};
    CFrame* frame = new CFrame(CRect(0, 0, 40, 40), &window, nullptr);
    RecordingView* lower = new RecordingView(CRect(0, 0, 20, 20), kRed);
    RecordingView* upper = new RecordingView(CRect(10, 10, 30, 30), kBlue);
    RecordingView* apart = new RecordingView(CRect(30, 30, 40, 40), kGrey);

    FrameFixture()
    {
        frame->addView(lower);
        frame->addView(upper);
        frame->addView(apart);
        frame->redraw();
        for (RecordingView* view : {lower, upper, apart})
            view->draws = 0;
    }
    ~FrameFixture() override { delete frame; }

    void click(CPoint where)
    {
        CDrawContext context(frame, &window);
        frame->mouse(&context, where);
    }
};
} // namespace

TEST_F(FrameFixture, ViewsAddedLaterDrawAboveEarlierOnesOverTheBlackFrame)
{
    EXPECT_EQ(window.getPixel(5, 5), kRed);
    EXPECT_EQ(window.getPixel(15, 15), kBlue);
    EXPECT_EQ(window.getPixel(35, 5), kBlackCColor);
}

TEST_F(FrameFixture, DrawingARectangleTouchesNothingOutsideIt)
{
    window.fill(kGrey);
    {
        CDrawContext context(frame, &window);
        frame->drawRect(&context, CRect(0, 0, 5, 5));
    }
    EXPECT_EQ(window.getPixel(4, 4), kRed);
    EXPECT_EQ(window.getPixel(5, 5), kGrey);
    EXPECT_EQ(apart->draws, 0);
}

TEST_F(FrameFixture, IdleRedrawsOnlyTheAreaOfDirtyViews)
{
    frame->idle();
    EXPECT_EQ(lower->draws + upper->draws + apart->draws, 0);

    window.fill(kGrey);
    lower->setDirty(true);
    frame->idle();
    EXPECT_EQ(lower->draws, 1);
    EXPECT_EQ(upper->draws, 1) << "overlaps the dirty area, so it is drawn back on top";
    EXPECT_EQ(apart->draws, 0);
    EXPECT_EQ(window.getPixel(15, 15), kBlue);
    EXPECT_EQ(window.getPixel(25, 25), kGrey) << "outside the dirty area";

    frame->setDirty(true);
    frame->idle();
    EXPECT_EQ(apart->draws, 1);
    EXPECT_EQ(window.getPixel(25, 25), kBlue);
}

TEST_F(FrameFixture, AClickGoesToTheTopmostViewWithTheButtonsTheSystemReports)
{
    system.play({{CPoint(15, 15), kMouseLeft | kMouseOption}});
    click(CPoint(15, 15));
    EXPECT_EQ(upper->clicks, 1);
    EXPECT_EQ(upper->lastButtons, kMouseLeft | kMouseOption);
    EXPECT_EQ(lower->clicks, 0);

    upper->setMouseEnabled(false);
    click(CPoint(15, 15));
    EXPECT_EQ(lower->clicks, 1);
}

TEST_F(FrameFixture, AModalViewTakesEveryClickAndIsReleasedWhenCleared)
{
    bool modalDeleted = false;
    auto* modal = new RecordingView(CRect(0, 30, 10, 40), kRed, &modalDeleted);
    auto* second = new RecordingView(CRect(0, 30, 10, 40), kRed);
    ASSERT_TRUE(frame->setModalView(modal));
    EXPECT_FALSE(frame->setModalView(second)) << "only one modal view at a time";
    second->forget();
    modal->forget(); // the frame holds its own reference

    click(CPoint(15, 15));
    EXPECT_EQ(modal->clicks, 1);
    EXPECT_EQ(upper->clicks, 0);

    frame->setModalView(nullptr);
    EXPECT_TRUE(modalDeleted);
    click(CPoint(15, 15));
    EXPECT_EQ(upper->clicks, 1);
}

TEST(FrameLifetime, DeletingTheFrameReleasesItsViews)
{
    bool deleted = false;
    COffscreenWindow window(10, 10);
    auto* frame = new CFrame(CRect(0, 0, 10, 10), &window, nullptr);
    auto* view = new RecordingView(CRect(0, 0, 5, 5), kRed, &deleted);
    frame->addView(view);
    view->remember();
    delete frame;
    EXPECT_FALSE(deleted) << "someone else still holds it";
    EXPECT_EQ(view->getFrame(), nullptr);
    view->forget();
    EXPECT_TRUE(deleted);
}
