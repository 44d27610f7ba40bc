// The real meter window on an offscreen window, opened for the real meter effect, with a host
// that applies the window's parameter changes the way the adapter does and counts reset requests.
#pragma once

#include "CBitmap.h"
#include "CControl.h"
#include "CFrame.h"
#include "COffscreenWindow.h"
#include "CScriptedSystem.h"
#include "MeterFixture.h"
#include "MouseButtons.h"
#include "QVEditor.h"
#include "ZodizedezWindowLayout.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// Plucked notes ringing out every half second: about 12 dB between held peak and RMS.
inline StereoSignal plucks(int32_t rate, double amplitude, double rightGain)
{
    return [=](int64_t i) {
        const double t = double(i % (rate / 2)) / rate;
        const float s = float(amplitude * std::exp(-t / 0.09) * std::sin(2 * std::numbers::pi * 220 * t));
        return std::pair{s, float(s * rightGain)};
    };
}

class MeterWindowFixture : public ::testing::Test, public MeterHost
{
protected:
    MeterWindowFixture()
    {
        CBitmap::setResourceFolder(KELVARO_BITMAP_DIR);
        effect.reset(countingMeter);
        configure(44100, 512);
        effect->setCallback(this, &MeterWindowFixture::applyEdit);
        editor.reset(effect->createEditor());
    }

    ~MeterWindowFixture() override
    {
        if (editor->isOpen())
            editor->close();
    }

    void open() { ASSERT_TRUE(editor->open(&window)); }

    // One refresh of the window, drawn as the frame's idle draws it.
    void refresh()
    {
        system.advanceTicks(21);
        editor->idle();
    }

    void setLink(bool on) { effect->setParameter(kParamLink, on ? 1.0f : 0.0f, true, false); }

    void click(CPoint where)
    {
        system.play({{where, kMouseLeft}});
        editor->mouse(where.h, where.v);
    }

    // Every pixel of a window, row by row, to compare two pictures whole.
    static std::vector<CColor> pixels(const COffscreenWindow& shown)
    {
        std::vector<CColor> all;
        for (int32_t y = 0; y < shown.getHeight(); ++y)
            for (int32_t x = 0; x < shown.getWidth(); ++x)
                all.push_back(shown.getPixel(x, y));
        return all;
    }

    // The frame's views, in the order the window built them.
    CView* view(size_t index) const { return editor->getFrame()->getViews().at(index); }
    CControl* control(size_t index) const { return static_cast<CControl*>(view(index)); }

    CScriptedSystem system;
    COffscreenWindow window{ZodizedezWindowLayout::kWidth, ZodizedezWindowLayout::kHeight, &system};
    // The meter effect, counting the window's requests to clear the all-time peaks.
    struct ResetCountingMeter : Zodizedez
    {
        using Zodizedez::Zodizedez;
        bool transferCustomData(int32_t code, int32_t index, void* data, int32_t size) override
        {
            resetRequests += code == kCustomDataResetPeaks;
            return Zodizedez::transferCustomData(code, index, data, size);
        }
        int32_t resetRequests = 0;
    };

    ResetCountingMeter* countingMeter =
        new ResetCountingMeter(QVEffect::kPluginTypeRealTime, QVEffect::kChannelModeStereo);
    std::unique_ptr<QVEditor> editor;

private:
    static bool applyEdit(void* context, int32_t code, int32_t index, float value, void*, int32_t)
    {
        if (code == QVEffect::kCallbackSetParameter)
            static_cast<MeterWindowFixture*>(context)->effect->setParameter(index, value, true, false);
        return true;
    }
};
