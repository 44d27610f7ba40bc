// A 211 x 776 editor laid out like the meter window, with 27 views of the kinds it uses, drawn
// from synthetic bitmaps into an offscreen window.
#include "CDynamicRangeMeter.h"
#include "CFrame.h"
#include "CKickButton.h"
#include "CLevelMeter.h"
#include "CLineMeter.h"
#include "CMovieBitmap.h"
#include "COffscreenWindow.h"
#include "COnOffButton.h"
#include "CQVVersionSplashScreen.h"
#include "CScriptedSystem.h"
#include "CTextLabel.h"
#include "QVEditor.h"
#include "QVEffect.h"
#include "QVString.h"
#include "TestBitmaps.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace
{
constexpr int32_t kMeters = 19;

class SteadyEffect : public QVEffect
{
public:
    SteadyEffect() : QVEffect(kPluginTypeRealTime, kChannelModeStereo, 1, 2, kMeters, 0) { init(); }
    ~SteadyEffect() override { deinit(); }

    float getMeter(int32_t index) override { return 0.3f + 0.02f * static_cast<float>(index); }
    bool getMeterValueStringFromValue(int32_t, char* text, int32_t maxLen, float value) override
    {
        char formatted[16];
        std::snprintf(formatted, sizeof formatted, "%.1f", static_cast<double>(value * 48 - 48));
        qv_strncpy(text, formatted, maxLen, 0);
        return true;
    }
    void getMeterUnitString(int32_t, char* text, int32_t maxLen) override { qv_strncpy(text, "dB", maxLen, 0); }
};

// Every bitmap in the layout, made once and shared by the views.
struct Bitmaps
{
    CBitmap* background = makeStripes(211, 776);
    CBitmap* narrowScale = makeStripes(5, 482);
    CBitmap* wideScale = makeStripes(14, 482);
    CBitmap* pointer = makeStripes(158, 13, StripeAxis::columns);
    CBitmap* bars[3] = {makeSolid(20, 482, {0, 200, 0, 255}), makeSolid(20, 482, {200, 200, 0, 255}),
                        makeSolid(20, 482, {200, 0, 0, 255})};
    CBitmap* button = makeStripes(59, 78);
    CBitmap* lamp = makeStripes(32, 38);
    CBitmap* backdrop = makeStripes(85, 54);
    CBitmap* panel = makeStripes(211, 142);

    ~Bitmaps()
    {
        for (CBitmap* bitmap : {background, narrowScale, wideScale, pointer, bars[0], bars[1], bars[2], button, lamp,
                                backdrop, panel})
            bitmap->forget();
    }
};

class MeterLikeEditor : public QVEditor
{
public:
    MeterLikeEditor(QVEffect* effect, Bitmaps& bitmaps) : QVEditor(effect), bitmaps(bitmaps)
    {
        resizeWindow(211, 776, false);
    }

    bool open(void* window) override
    {
        QVEditor::open(window);
        frame = new CFrame(CRect(0, 0, 211, 776), window, this);
        frame->setBackground(bitmaps.background);
        addBitmapDisplays();
        addMeters();
        addReadOuts();
        addButtons();
        updateEditor();
        return true;
    }

private:
    void bind(CControl* control, int32_t tag)
    {
        control->setTag(tag);
        control->setTransparency(true);
        addControl(frame, control);
    }
    void addBitmapDisplays()
    {
        bind(new CMovieBitmap(CRect(63, 95, 148, 122), this, 0, 2, 27, bitmaps.backdrop), 1);
        bind(new CMovieBitmap(CRect(79, 120, 133, 614), this, 0, bitmaps.panel), 1);
        bind(new CMovieBitmap(CRect(30, 612, 62, 631), this, 0, bitmaps.lamp), kTagMeter | 16);
        bind(new CMovieBitmap(CRect(149, 612, 181, 631), this, 0, bitmaps.lamp), kTagMeter | 17);
    }
    void addMeters()
    {
        const int32_t lefts[4] = {35, 170, 42, 155};
        for (int32_t i = 0; i < 4; ++i)
        {
            CBitmap* scale = i < 2 ? bitmaps.narrowScale : bitmaps.wideScale;
            const CRect area(lefts[i], 126, lefts[i] + scale->getWidth(), 608);
            auto* bar = new CLevelMeter(area, scale, 482, CMeterView::kVertical);
            auto* hold = new CLineMeter(area, scale, 482, 1, CMeterView::kVertical);
            bar->setDecreaseStepValue(1);
            hold->setDecreaseStepValue(1);
            bind(bar, kTagMeter | i);
            bind(hold, kTagMeter | (i + 4));
        }
        auto* correlation = new CLineMeter(CRect(26, 64, 184, 77), bitmaps.pointer, 158, 1, CMeterView::kHorizontal);
        bind(correlation, kTagMeter | 18);
        const int32_t barLefts[3] = {86, 107, 86};
        for (int32_t i = 0; i < 3; ++i)
        {
            auto* bar = new CDynamicRangeMeter(CRect(barLefts[i], 126, barLefts[i] + 20, 608), bitmaps.bars[2],
                                               bitmaps.bars[1], bitmaps.bars[0], 482, CMeterView::kVertical);
            bar->setDecreaseStepValue(1);
            bar->setValue(0.8f);
            bar->setBottomValue(0.2f);
            bar->setDynamicRangeDB(12);
            bind(bar, kTagUnbound);
        }
    }
    void addReadOuts()
    {
        const CRect areas[7] = {{28, 102, 63, 116},  {150, 102, 185, 116}, {28, 646, 64, 660}, {147, 646, 183, 660},
                                {68, 100, 104, 117}, {105, 100, 141, 117}, {86, 100, 122, 117}};
        for (int32_t i = 0; i < 7; ++i)
        {
            auto* readOut = new CTextLabel(areas[i], nullptr, nullptr, kStyleNoFrame);
            readOut->setFont(kFontSmaller);
            bind(readOut, kTagMeter | (6 + i));
        }
    }
    void addButtons()
    {
        bind(new COnOffButton(CRect(138, 686, 197, 725), this, 0, bitmaps.button), 1);
        bind(new COnOffButton(CRect(78, 686, 137, 725), this, 0, bitmaps.button), 0);
        bind(new CKickButton(CRect(18, 686, 77, 725), this, 0, 39, bitmaps.button), kTagUnbound);
        auto* info = new CQVVersionSplashScreen(CRect(24, 746, 188, 759), this, -1, bitmaps.panel,
                                                CRect(0, 634, 211, 776));
        frame->addView(info);
    }

    Bitmaps& bitmaps;
};

struct OpenEditor
{
    SteadyEffect effect;
    Bitmaps bitmaps;
    CScriptedSystem system;
    COffscreenWindow window{211, 776, &system};
    MeterLikeEditor editor{&effect, bitmaps};

    OpenEditor()
    {
        editor.open(&window);
        editor.draw(nullptr);
    }
    ~OpenEditor() { editor.close(); }
};

void BM_FullRedraw(benchmark::State& state)
{
    OpenEditor open;
    for (auto _ : state)
        open.editor.draw(nullptr);
    state.counters["views"] = static_cast<double>(open.editor.getFrame()->getViews().size());
}
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMillisecond);

// The host's idle call with a refresh due and nothing changed: the meters are read, the
// read-outs formatted, and nothing redraws.
void BM_IdleNothingChanged(benchmark::State& state)
{
    OpenEditor open;
    for (auto _ : state)
    {
        open.system.advanceTicks(21);
        open.editor.idle();
    }
}
BENCHMARK(BM_IdleNothingChanged)->Unit(benchmark::kMicrosecond);

// The frame's share of that pass alone: no view is dirty.
void BM_FrameIdleNothingDirty(benchmark::State& state)
{
    OpenEditor open;
    for (auto _ : state)
        open.editor.getFrame()->idle();
}
BENCHMARK(BM_FrameIdleNothingDirty)->Unit(benchmark::kMicrosecond);
} // namespace
