#include "MeterWindowFixture.h"

#include "CDynamicRangeMeter.h"
#include "CTextLabel.h"

namespace
{
constexpr size_t kFirstRangeBar = 13, kFirstRangeReadout = 20;
constexpr CPoint kLinkButtonCentre{167, 705};

// Bars as wide and as high as their bitmaps, in both layouts.
std::vector<CRect> perChannel()
{
    return {{86, 126, 106, 608}, {107, 126, 127, 608}, {}, {68, 100, 104, 117}, {105, 100, 141, 117}, {}};
}

std::vector<CRect> linked()
{
    return {{}, {}, {86, 126, 127, 608}, {}, {}, {86, 100, 122, 117}};
}
} // namespace

class MeterWindowLink : public MeterWindowFixture
{
protected:
    // Left, right and combined bar, then left, right and combined read-out.
    std::vector<CRect> rangeDisplays() const
    {
        std::vector<CRect> rects;
        for (size_t first : {kFirstRangeBar, kFirstRangeReadout})
            for (size_t i = first; i < first + 3; ++i)
                rects.push_back(view(i)->getViewSize());
        return rects;
    }
};

TEST_F(MeterWindowLink, OpeningWithLinkOnShowsTheCombinedDisplayAtOnceAndAgainAfterReopening)
{
    setLink(true);
    open();
    EXPECT_EQ(rangeDisplays(), linked());
    editor->close();
    open();
    EXPECT_EQ(rangeDisplays(), linked());
}

TEST_F(MeterWindowLink, ClickingLinkMovesTheRangeDisplaysBetweenTheTwoLayoutsBothWays)
{
    open();
    click(kLinkButtonCentre);
    EXPECT_EQ(effect->getParameterStep(kParamLink), 1);
    refresh();
    EXPECT_EQ(rangeDisplays(), linked());
    EXPECT_EQ(control(23)->getValue(), 1.0f) << "the Link button shows the parameter";
    click(kLinkButtonCentre);
    refresh();
    EXPECT_EQ(rangeDisplays(), perChannel());
}

TEST_F(MeterWindowLink, HiddenRangeDisplaysKeepReceivingValues)
{
    open();
    play(sine(0.5, 997, sampleRate), 1, 512);
    refresh();
    auto* combinedBar = static_cast<CDynamicRangeMeter*>(view(kFirstRangeBar + 2));
    auto* combinedReadout = static_cast<CTextLabel*>(view(kFirstRangeReadout + 2));
    EXPECT_EQ(combinedBar->getValue(), effect->getMeter(kMeterPeakSmoothMax));
    EXPECT_EQ(combinedReadout->getText(), readout(kMeterDynamicRangeLR));
    setLink(true);
    play(sine(0.25, 997, sampleRate), 1, 512);
    refresh();
    auto* leftBar = static_cast<CDynamicRangeMeter*>(view(kFirstRangeBar));
    auto* leftReadout = static_cast<CTextLabel*>(view(kFirstRangeReadout));
    EXPECT_TRUE(leftBar->getViewSize().isEmpty());
    EXPECT_EQ(leftBar->getValue(), effect->getMeter(kMeterPeakSmoothL));
    EXPECT_EQ(leftReadout->getText(), readout(kMeterDynamicRangeL));
}

TEST_F(MeterWindowLink, AfterASwitchBothWaysTheWindowLooksAsIfFreshlyOpenedInThatLayout)
{
    play(plucks(sampleRate, 0.9, 0.6), 4);
    open();
    editor->draw(nullptr);
    for (bool link : {true, false})
    {
        SCOPED_TRACE(link ? "Link on" : "Link off");
        setLink(link);
        refresh(); // redraws only what changed
        std::unique_ptr<QVEditor> fresh(effect->createEditor());
        COffscreenWindow freshWindow(211, 776);
        fresh->open(&freshWindow);
        fresh->draw(nullptr);
        EXPECT_TRUE(pixels(window) == pixels(freshWindow));
        fresh->close();
    }
}
