#include "MeterWindowFixture.h"

#include "CQVVersionSplashScreen.h"
#include "PngPixels.h"

#include <vector>

namespace
{
using MeterWindowLayout = MeterWindowFixture;

constexpr int32_t meter(int32_t index)
{
    return QVEditor::kTagMeter | index;
}

struct ExpectedControl
{
    const char* type;
    CRect rect;
    int32_t tag;
};

// What a user finds where, front to back in build order.
const std::vector<ExpectedControl> kWindow = {
    {"CMovieBitmap", {63, 95, 148, 122}, kParamLink},
    {"CMovieBitmap", {79, 120, 133, 614}, kParamLink},
    {"CMovieBitmap", {30, 612, 62, 631}, meter(16)},
    {"CMovieBitmap", {149, 612, 181, 631}, meter(17)},
    {"CLevelMeter", {35, 126, 40, 608}, meter(0)},
    {"CLevelMeter", {170, 126, 175, 608}, meter(1)},
    {"CLevelMeter", {42, 126, 56, 608}, meter(2)},
    {"CLevelMeter", {155, 126, 169, 608}, meter(3)},
    {"CLineMeter", {35, 126, 40, 608}, meter(8)},
    {"CLineMeter", {170, 126, 175, 608}, meter(9)},
    {"CLineMeter", {42, 126, 56, 608}, meter(4)},
    {"CLineMeter", {155, 126, 169, 608}, meter(5)},
    {"CLineMeter", {26, 64, 184, 77}, meter(18)},
    {"CDynamicRangeMeter", {86, 126, 106, 608}, QVEditor::kTagUnbound},
    {"CDynamicRangeMeter", {107, 126, 127, 608}, QVEditor::kTagUnbound},
    {"CDynamicRangeMeter", {0, 0, 0, 0}, QVEditor::kTagUnbound},
    {"CTextLabel", {28, 102, 63, 116}, meter(6)},
    {"CTextLabel", {150, 102, 185, 116}, meter(7)},
    {"CTextLabel", {28, 646, 64, 660}, meter(2)},
    {"CTextLabel", {147, 646, 183, 660}, meter(3)},
    {"CTextLabel", {68, 100, 104, 117}, meter(10)},
    {"CTextLabel", {105, 100, 141, 117}, meter(12)},
    {"CTextLabel", {86, 100, 86, 100}, meter(14)},
    {"COnOffButton", {138, 686, 197, 725}, kParamLink},
    {"COnOffButton", {78, 686, 137, 725}, kParamMono},
    {"CKickButton", {18, 686, 77, 725}, QVEditor::kTagUnbound},
    {"CQVVersionSplashScreen", {24, 746, 188, 759}, -1},
};
} // namespace

TEST_F(MeterWindowLayout, OpenBuildsTheTwentySevenControlsInTheirPlacesWithTheirBindings)
{
    open();
    ASSERT_EQ(editor->getFrame()->getViews().size(), kWindow.size());
    for (size_t i = 0; i < kWindow.size(); ++i)
    {
        SCOPED_TRACE("control " + std::to_string(i + 1));
        EXPECT_TRUE(view(i)->isTypeOf(kWindow[i].type)) << kWindow[i].type;
        EXPECT_EQ(view(i)->getViewSize(), kWindow[i].rect);
        EXPECT_EQ(control(i)->getTag(), kWindow[i].tag);
    }
    ERect* rect = nullptr;
    ASSERT_TRUE(editor->getRect(&rect));
    EXPECT_EQ((std::tuple{rect->left, rect->top, rect->right, rect->bottom}), (std::tuple{0, 0, 211, 776}));
    char text[64];
    static_cast<CQVVersionSplashScreen*>(view(26))->getText(text, 63);
    EXPECT_STREQ(text, "www.auvenor.example.com");
}

TEST_F(MeterWindowLayout, TheParameterUnderAPointIsLinkOverTheRangeDisplayMonoOnItsButtonAndNoneOnALevelBar)
{
    open();
    const std::tuple<CPoint, int32_t, const char*> cases[] = {
        {{96, 400}, kParamLink, "left dynamic-range bar"},
        {{117, 300}, kParamLink, "right dynamic-range bar"},
        {{80, 108}, kParamLink, "left dynamic-range read-out"},
        {{120, 108}, kParamLink, "right dynamic-range read-out"},
        {{100, 700}, kParamMono, "Mono button"},
        {{160, 700}, kParamLink, "Link button"},
        {{37, 300}, -1, "left peak bar"},
        {{160, 300}, -1, "right RMS bar"},
        {{40, 700}, -1, "Reset button"},
        {{100, 750}, -1, "information control"},
    };
    for (auto [where, parameter, what] : cases)
        EXPECT_EQ(editor->getParameterIndexFromPoint(where.h, where.v), parameter) << what;
}

TEST_F(MeterWindowLayout, HighlightingTheParametersColoursNothingVisible)
{
    play(sine(0.5, 997, sampleRate), 1);
    open();
    editor->draw(nullptr);
    const std::vector<CColor> plain = pixels(window);
    for (int32_t parameter : {kParamMono, kParamLink})
        editor->setControlHighlight(parameter, QVEditor::kHighlightRed);
    editor->draw(nullptr);
    EXPECT_TRUE(pixels(window) == plain);
}

TEST_F(MeterWindowLayout, OpenSizesTheWindowFromTheBackgroundAndWithoutBitmapsEveryBitmapControlIsEmpty)
{
    CBitmap::setResourceFolder("/nonexistent");
    std::unique_ptr<QVEditor> bare(effect->createEditor());
    COffscreenWindow elsewhere(211, 776);
    ASSERT_TRUE(bare->open(&elsewhere));
    ERect* rect = nullptr;
    bare->getRect(&rect);
    EXPECT_EQ(rect->right, 0);
    EXPECT_EQ(rect->bottom, 0);
    bare->draw(nullptr); // draws nothing, and nothing breaks
    bare->close();
}

TEST_F(MeterWindowLayout, TheInformationControlOpensThePanelAtTheWindowsBottomUntilThePanelIsClicked)
{
    open();
    editor->draw(nullptr);
    const PngPixels panel(PngPixels::bitmapPath(ZodizedezWindowLayout::kInformationPanel));
    const CPoint inPanel{100, 60}; // in the panel's own frame; the window's y is 634 more
    const CColor before = window.getPixel(inPanel.h, 634 + inPanel.v);
    ASSERT_NE(before, panel.at(inPanel.h, inPanel.v));
    click({100, 752});
    editor->draw(nullptr);
    EXPECT_EQ(window.getPixel(inPanel.h, 634 + inPanel.v), panel.at(inPanel.h, inPanel.v));
    click({100, 700});
    editor->draw(nullptr);
    EXPECT_EQ(window.getPixel(inPanel.h, 634 + inPanel.v), before);
}
