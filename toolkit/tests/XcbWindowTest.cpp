#include "CDrawContext.h"
#include "CFrame.h"
#include "CXcbWindow.h"
#include "RecordingView.h"
#include "XvfbServer.h"

#include <gtest/gtest.h>

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
