#include "ZodizedezEditor.h"

#include "CBitmap.h"
#include "CDynamicRangeMeter.h"
#include "CFrame.h"
#include "CKickButton.h"
#include "CLevelMeter.h"
#include "CLineMeter.h"
#include "CMovieBitmap.h"
#include "COnOffButton.h"
#include "CQVVersionSplashScreen.h"
#include "CTextLabel.h"
#include "QVEffect.h"
#include "Zodizedez.h"

#include <algorithm>
#include <bit>
#include <cmath>

using namespace ZodizedezWindowLayout;

namespace
{
constexpr CColor kMagenta{255, 0, 255, 255};
constexpr CColor kReadoutBackColor{127, 127, 127, 255};

// The editor's reference on a bitmap it loads for a control; dropped once the control holds its own.
class LoadedBitmap
{
public:
    explicit LoadedBitmap(int32_t number) : bitmap(new CBitmap(number))
    {
        if (std::ranges::find(kMagentaKeyed, number) != kMagentaKeyed.end())
            bitmap->setTransparentColor(kMagenta);
    }
    ~LoadedBitmap() { bitmap->forget(); }
    LoadedBitmap(const LoadedBitmap&) = delete;
    LoadedBitmap& operator=(const LoadedBitmap&) = delete;

    operator CBitmap*() const { return bitmap; }

private:
    CBitmap* bitmap;
};

// Meters jump straight to each new value and draw directly into the window.
template <class Meter>
Meter* settled(Meter* meter, int32_t tag, float value)
{
    meter->setTag(tag);
    meter->setUseOffscreen(false);
    meter->setDecreaseStepValue(1.0f);
    meter->setValue(value);
    return meter;
}

// Bitwise, so that an unchanged value that is not a number counts as unchanged.
bool sameBits(float a, float b)
{
    return std::bit_cast<uint32_t>(a) == std::bit_cast<uint32_t>(b);
}
} // namespace

ZodizedezEditor::ZodizedezEditor(QVEffect* effect) : QVEditor(effect), background(new CBitmap(kBackground))
{
    rect = {.top = 0, .left = 0, .bottom = int16_t(kHeight), .right = int16_t(kWidth)};
}

ZodizedezEditor::~ZodizedezEditor()
{
    background->forget();
}

bool ZodizedezEditor::open(void* systemWindow)
{
    QVEditor::open(systemWindow);
    linkedLayout = false; // the controls are built in the per-channel layout
    frame = new CFrame(CRect(0, 0, kWidth, kHeight), systemWindow, this);
    frame->setBackground(background);
    createBitmapDisplays();
    createLevelMeters();
    createRangeBars();
    createReadouts();
    createButtons();
    createInformation();
    resizeWindow(background->getWidth(), background->getHeight(), false);
    updateEditor();
    return true;
}

void ZodizedezEditor::createBitmapDisplays()
{
    for (const Placement& place : kBitmapDisplays)
    {
        LoadedBitmap strip(place.bitmap);
        auto* display = new CMovieBitmap(place.rect, this, place.tag, strip);
        display->setTransparency(true);
        addControl(frame, display);
    }
}

void ZodizedezEditor::createLevelMeters()
{
    for (const Placement& place : kLevelBars)
    {
        LoadedBitmap scale(place.bitmap);
        addControl(frame,
                   settled(new CLevelMeter(place.rect, scale, kLevelSteps, CMeterView::kVertical), place.tag, 0));
    }
    for (const LineMeterPlacement& line : kLineMeters)
    {
        LoadedBitmap scale(line.placement.bitmap);
        constexpr int32_t kLineWidth = 1;
        addControl(frame, settled(new CLineMeter(line.placement.rect, scale, line.steps, kLineWidth, line.style),
                                  line.placement.tag, line.value));
    }
}

void ZodizedezEditor::createRangeBars()
{
    for (size_t i = 0; i < kRangeBars.size(); ++i)
    {
        const RangeBarPlacement& place = kRangeBars[i];
        LoadedBitmap high(place.firstBitmap), middle(place.firstBitmap + 1), low(place.firstBitmap + 2);
        rangeBars[i] = settled(
            new CDynamicRangeMeter(place.rect, high, middle, low, kLevelSteps, CMeterView::kVertical), kTagUnbound, 0);
        rangeBars[i]->setBottomValue(0);
        addControl(frame, rangeBars[i]);
    }
    rangeBars[kRangeCombined]->setViewSize(CRect());
    rangeFeeds = {};
}

CTextLabel* ZodizedezEditor::createReadout(const CRect& area, int32_t tag)
{
    auto* readout = new CTextLabel(area, nullptr, nullptr, kStyleNoFrame);
    readout->setTag(tag);
    readout->setFont(kFontSmaller);
    readout->setFontColor(kWhiteCColor);
    readout->setBackColor(kReadoutBackColor);
    readout->setFrameColor(kTransparentCColor);
    readout->setTransparency(true); // only the text, over the background
    addControl(frame, readout);
    return readout;
}

void ZodizedezEditor::createReadouts()
{
    for (const ReadoutPlacement& place : kLevelReadouts)
        createReadout(place.rect, place.tag);
    for (size_t i = 0; i < kRangeReadouts.size(); ++i)
        rangeReadouts[i] = createReadout(kRangeReadouts[i].rect, kRangeReadouts[i].tag);
}

void ZodizedezEditor::createButtons()
{
    auto createSwitch = [this](const Placement& place) {
        LoadedBitmap frames(place.bitmap);
        auto* button = new COnOffButton(place.rect, this, place.tag, frames);
        button->setTransparency(true);
        addControl(frame, button);
    };
    createSwitch(kLinkSwitch);
    createSwitch(kMonoSwitch);

    LoadedBitmap frames(kReset.bitmap);
    resetButton = new CKickButton(kReset.rect, this, kReset.tag, kButtonFrameHeight, frames);
    resetButton->setTransparency(true);
    addControl(frame, resetButton);
}

void ZodizedezEditor::createInformation()
{
    LoadedBitmap panel(kInformation.bitmap);
    auto* information =
        new CQVVersionSplashScreen(kInformation.rect, this, kInformation.tag, panel, kInformationPanelRect);
    information->setText(kMakerWebAddress);
    information->setTextOffset(kInformationTextOffset);
    information->setTextFont(kFontSmall);
    information->setTextFace(kFaceBold);
    frame->addView(information); // not registered: never refreshed, never found by the parameter lookup
}

void ZodizedezEditor::updateEditor()
{
    if (frame)
    {
        showLayoutOfLink();
        feedRangeBars();
    }
    QVEditor::updateEditor();
}

void ZodizedezEditor::showLayoutOfLink()
{
    const bool link = effect->getParameterStep(kParamLink) != 0;
    if (link == linkedLayout)
        return;
    applyLayout(link ? kLinkedLayout : kPerChannelLayout);
    linkedLayout = link;
}

void ZodizedezEditor::applyLayout(const RangeLayout& layout)
{
    for (size_t i = 0; i < rangeBars.size(); ++i)
    {
        rangeReadouts[i]->setViewSize(layout.readouts[i]);
        rangeBars[i]->setViewSize(layout.bars[i]);
    }
}

// Every bar is fed, shown or not, so a layout switch shows current values at once.
void ZodizedezEditor::feedRangeBars()
{
    for (size_t i = 0; i < rangeBars.size(); ++i)
    {
        const float range = effect->getMeterLinear(kRangeBars[i].rangeMeter);
        const float peak = effect->getMeterLinear(kRangeBars[i].peakMeter);
        const RangeFeed feed{20 * std::log10(range), (20 * std::log10(peak / range) + 48) / 48};
        CDynamicRangeMeter* bar = rangeBars[i];
        bar->setDynamicRangeDB(feed.decibels);
        bar->setBottomValue(feed.bottom);
        bar->setValue(effect->getMeter(kRangeBars[i].peakMeter));
        // A new colour or bottom under an unchanged peak must still reach the screen.
        if (!sameBits(feed.decibels, rangeFeeds[i].decibels) || !sameBits(feed.bottom, rangeFeeds[i].bottom))
            bar->setDirty();
        rangeFeeds[i] = feed;
    }
}

void ZodizedezEditor::valueChanged(CDrawContext* context, CControl* control)
{
    // Sent on press and on release; asking twice clears the peaks just once.
    if (control == resetButton)
        effect->transferCustomData(Zodizedez::kCustomDataResetPeaks, 0, nullptr, 0);
    else
        QVEditor::valueChanged(context, control);
}
