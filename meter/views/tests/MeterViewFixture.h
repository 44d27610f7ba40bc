// A frame in an offscreen window with room around the views, so a test sees what a view draws and
// that it draws nothing outside itself.
#pragma once

#include "CFrame.h"
#include "COffscreenWindow.h"
#include "TestBitmaps.h"

#include <gtest/gtest.h>

struct MeterViewFixture : testing::Test
{
    static constexpr int32_t kScaleRows = 482;
    static constexpr int32_t kTop = 10;
    static constexpr CRect kBarArea{10, kTop, 30, kTop + kScaleRows};

    COffscreenWindow window{170, kScaleRows + 40};
    CFrame* frame = new CFrame(CRect(0, 0, 170, kScaleRows + 40), &window, nullptr);

    ~MeterViewFixture() override { delete frame; }

    template <typename View> View* add(View* view)
    {
        frame->addView(view);
        return view;
    }
    void redraw()
    {
        window.fill(kBlackCColor);
        frame->redraw();
    }
    // The first window row at column x that something drew on; -1 when none.
    int32_t firstDrawnRow(int32_t x) const
    {
        for (int32_t y = 0; y < window.getHeight(); ++y)
            if (window.getPixel(x, y) != kBlackCColor)
                return y;
        return -1;
    }
    int32_t lastDrawnRow(int32_t x) const
    {
        for (int32_t y = window.getHeight() - 1; y >= 0; --y)
            if (window.getPixel(x, y) != kBlackCColor)
                return y;
        return -1;
    }
};
