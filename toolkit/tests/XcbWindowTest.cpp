#include "CDrawContext.h"
#include "CFrame.h"
#include "CXcbWindow.h"
#include "MouseButtons.h"
#include "RecordingView.h"
#include "XvfbServer.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace
{
constexpr CColor kRed{255, 0, 0, 255};
constexpr CColor kBlue{0, 0, 255, 255};
} // namespace

TEST(XcbWindow, FrameDrawsIntoARealWindowAndRedrawsWhatAnExposeUncovers)
{
    XvfbServer server;
    ASSERT_TRUE(server.isRunning()) << "Xvfb did not start";
    CXcbWindow window(server.getDisplay().c_str(), 64, 48);
    ASSERT_TRUE(window.isOpen());

    auto* frame = new CFrame(CRect(0, 0, 64, 48), &window, nullptr);
    auto* red = new RecordingView(CRect(0, 0, 32, 48), kRed);
    frame->addView(red);
    frame->addView(new RecordingView(CRect(32, 0, 64, 48), kBlue));
    frame->redraw();
    EXPECT_EQ(window.getPixel(5, 5), kRed);
    EXPECT_EQ(window.getPixel(60, 40), kBlue);

    // Clearing the window makes the server send an expose for it.
    xcb_clear_area(window.getConnection(), 1, window.getWindowId(), 0, 0, 0, 0);
    xcb_flush(window.getConnection());
    const int32_t drawsBefore = red->draws;
    for (int attempt = 0; attempt < 200 && red->draws == drawsBefore; ++attempt)
    {
        window.getSystem().processEvents();
        usleep(5000);
    }
    EXPECT_GT(red->draws, drawsBefore);
    EXPECT_EQ(window.getPixel(5, 5), kRed);
    delete frame;
}

TEST(XcbWindow, AClickOnTheWindowReachesTheViewUnderIt)
{
    XvfbServer server;
    ASSERT_TRUE(server.isRunning()) << "Xvfb did not start";
    CXcbWindow window(server.getDisplay().c_str(), 64, 48);
    ASSERT_TRUE(window.isOpen());
    auto* frame = new CFrame(CRect(0, 0, 64, 48), &window, nullptr);
    auto* left = new RecordingView(CRect(0, 0, 32, 48), kRed);
    auto* right = new RecordingView(CRect(32, 0, 64, 48), kBlue);
    frame->addView(left);
    frame->addView(right);

    xcb_button_press_event_t press{};
    press.response_type = XCB_BUTTON_PRESS;
    press.detail = 1;
    press.event = window.getWindowId();
    press.event_x = 40;
    press.event_y = 10;
    press.state = XCB_MOD_MASK_SHIFT;
    xcb_send_event(window.getConnection(), 0, window.getWindowId(), XCB_EVENT_MASK_BUTTON_PRESS,
                   reinterpret_cast<const char*>(&press));
    xcb_flush(window.getConnection());
    for (int attempt = 0; attempt < 200 && right->clicks == 0; ++attempt)
    {
        window.getSystem().processEvents();
        usleep(5000);
    }
    EXPECT_EQ(right->clicks, 1);
    EXPECT_EQ(right->lastButtons, kMouseLeft | kMouseShift);
    EXPECT_EQ(left->clicks, 0);
    delete frame;
}

// A host that serves the window's events itself hands the press on; a quick click is already
// released at the server when the control asks for the buttons.
TEST(XcbWindow, ANotedPressCountsAsHeldForTheNextButtonQueryOnly)
{
    XvfbServer server;
    ASSERT_TRUE(server.isRunning()) << "Xvfb did not start";
    CXcbWindow window(server.getDisplay().c_str(), 64, 48);
    ASSERT_TRUE(window.isOpen());
    EXPECT_EQ(window.getSystem().getMouseButtons(), 0);

    xcb_button_press_event_t rightWithControl{};
    rightWithControl.detail = 3;
    rightWithControl.state = XCB_MOD_MASK_CONTROL;
    window.getXcbSystem().notePress(rightWithControl);
    EXPECT_EQ(window.getSystem().getMouseButtons(), kMouseRight | kMouseCommand);
    EXPECT_EQ(window.getSystem().getMouseButtons(), 0);
}
