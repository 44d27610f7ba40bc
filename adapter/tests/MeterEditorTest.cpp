// The meter window in the host's plug-in window: its size, a click on the Mono button that
// travels to the host's automation and back, and its bitmaps drawn through the port.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "AdapterHostFixture.h"
#include "CAutomationSeam.h"
#include "CBitmap.h"
#include "COffscreenWindow.h"
#include "CPTAdapterView.h"
#include "CScriptedSystem.h"
#include "MeterControlIndexes.h"
#include "MouseButtons.h"
#include "PTAdapterProcessFactories.h"
#include "PngPixels.h"
#include "ZodizedezWindowLayout.h"

namespace
{
using namespace ZodizedezWindowLayout;

constexpr Rect kWindowRect = {0, 0, kHeight, kWidth};

struct SToken
{
    OSType subType;
    FicSDSNameId target;
    SInt32 word;  // touched for a touch, the value for a value
    bool operator==(const SToken&) const = default;
};

class MeterEditor : public CAdapterHostFixture
{
protected:
    void SetUp() override
    {
        CBitmap::setResourceFolder(KELVARO_BITMAP_DIR);
        LoadGroup(true);
        fIndex = Instantiate(kStereoType);
        ASSERT_EQ(Process(kStereoType, fIndex).GetControlNameID(kMono, &fMonoName), 0);
    }

    // The set-value tokens the plug-in sent to its controls since the last look.
    std::vector<SToken> SentTokens()
    {
        std::vector<SToken> tokens;
        while (const auto bytes = fSeam.NextToken())
        {
            SFicSDSValueToken token{};
            std::memcpy(&token, bytes->data(), std::min(bytes->size(), sizeof token));
            if (token.fHead.fType != kTokenSetValue || token.fHead.fSubType == kTokenGIAC)
                continue;
            SFicSDSTouchToken touch{};
            std::memcpy(&touch, bytes->data(), std::min(bytes->size(), sizeof touch));
            const bool isTouch = token.fHead.fSubType == kTokenTouch;
            tokens.push_back({token.fHead.fSubType, token.fHead.fTarget, isTouch ? SInt32(touch.fTouched) : token.fValue});
        }
        return tokens;
    }

    SInt32 MonoValue()
    {
        SInt32 value = 0;
        EXPECT_EQ(host::GetControlValue(kStereoType, fIndex, kMono, &value), 0);
        return value;
    }

    CAutomationSeam fSeam;
    CScriptedSystem fSystem;
    COffscreenWindow fWindow{kWidth, kHeight, &fSystem};
    SHostGrafPort fPort{&fWindow};
    SInt32 fIndex = 0;
    FicSDSNameId fMonoName = 0;
};

void ExpectTheMeterWindowsViews(CPlugInView& root)
{
    EXPECT_EQ(root.GetRect(), kWindowRect);
    ASSERT_EQ(root.GetNumSubviews(), 1u);
    EXPECT_NE(dynamic_cast<CPTAdapterView*>(root.GetSubview(0)), nullptr);
    EXPECT_EQ(root.GetSubview(0)->GetRect(), kWindowRect);
    EXPECT_TRUE(root.GetSubview(0)->IsEnabled());
}

TEST_F(MeterEditor, TheViewRectangleIsTheMeterWindowsBeforeAndAfterTheViewIsMade)
{
    Rect rect{};
    ASSERT_EQ(host::GetViewRect(kStereoType, fIndex, &rect), 0);
    EXPECT_EQ(rect, kWindowRect) << "after: instantiation made the view";
    ExpectTheMeterWindowsViews(*Process(kStereoType, fIndex).GetView());

    std::unique_ptr<CEffectProcess> fresh(NewPTAdapterProcessRTASStereo());
    rect = Rect{};
    ASSERT_EQ(fresh->GetViewRect(&rect), 0);
    EXPECT_EQ(rect, kWindowRect) << "before the view";
    std::unique_ptr<CPlugInView> root(fresh->CreateCPlugInView());
    ASSERT_NE(root, nullptr);
    ExpectTheMeterWindowsViews(*root);
}

TEST_F(MeterEditor, AClickOnMonoTravelsToTheHostsAutomationAndComesBackAsTheControlsValue)
{
    ASSERT_EQ(host::SetViewPort(kStereoType, fIndex, PortOf(fPort)), 0);
    SentTokens();
    ASSERT_EQ(MonoValue(), kOff);
    const CRect& button = kMonoSwitch.rect;
    const CPoint centre((button.left + button.right) / 2, (button.top + button.bottom) / 2);
    fSystem.play({{centre, kMouseLeft}});
    ASSERT_EQ(Click(kStereoType, fIndex, SInt16(centre.h), SInt16(centre.v)), 0);

    const std::vector<SToken> tokens = SentTokens();
    EXPECT_EQ(tokens, (std::vector<SToken>{{kTokenTouch, fMonoName, 1},
                                           {kTokenControlValue, fMonoName, kOn},
                                           {kTokenTouch, fMonoName, 0}}));
    EXPECT_EQ(MonoValue(), kOff) << "the host applies the change";
    // The host's automation at its idle tick.
    for (const SToken& token : tokens)
        if (token.subType == kTokenControlValue)
        {
            ASSERT_EQ(host::UpdateControlValue(kStereoType, fIndex, kMono, token.word), 0);
        }
    ASSERT_EQ(host::DoIdle(kStereoType, fIndex, nullptr), 0);
    EXPECT_EQ(MonoValue(), kOn);
    char text[32] = {};
    ASSERT_EQ(host::MapControlValToString(kStereoType, fIndex, kMono, MonoValue(), text, 31), 0);
    EXPECT_STREQ(text, "On");
}

TEST_F(MeterEditor, DrawingThroughThePortShowsTheWindowsBitmaps)
{
    const CColor blank{1, 2, 3, 255};
    ASSERT_EQ(host::SetViewPort(kStereoType, fIndex, PortOf(fPort)), 0);
    fWindow.fill(blank);
    Rect area = kWindowRect;
    ASSERT_EQ(host::Draw(kStereoType, fIndex, &area), 0);

    const PngPixels background(PngPixels::bitmapPath(kBackground));
    ASSERT_TRUE(background.loaded());
    // Places of the background that no control covers: title, scale margin, legend, bottom edge.
    const CPoint uncovered[] = {{5, 5}, {105, 30}, {10, 300}, {200, 400}, {100, 640}, {5, 770}};
    for (const CPoint& point : uncovered)
        EXPECT_EQ(fWindow.getPixel(point.h, point.v), background.at(point.h, point.v)) << point.h << ", " << point.v;

    const PngPixels mono(PngPixels::bitmapPath(kMonoButton));
    ASSERT_TRUE(mono.loaded());
    const CRect& button = kMonoSwitch.rect;
    const CPoint inButton = {(button.right - button.left) / 2, (button.bottom - button.top) / 2};
    EXPECT_EQ(fWindow.getPixel(button.left + inButton.h, button.top + inButton.v), mono.at(inButton.h, inButton.v))
        << "the Mono button's off frame";
}
} // namespace
