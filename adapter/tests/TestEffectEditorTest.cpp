// The editor in the host's plug-in window, with an editor that records what reaches it: the
// port opening and closing it, drawing and clicks through the view tree, the resource file
// around its life, and an effect without an editor.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "AdapterHostFixture.h"
#include "COffscreenWindow.h"
#include "CPTAdapterView.h"
#include "CRecordingEditor.h"
#include "CTestEffect.h"
#include "PTAdapterProcessFactories.h"

namespace
{
constexpr Rect kEditorRect = {0, 0, CRecordingEditor::kHeight, CRecordingEditor::kWidth};

class TestEffectEditor : public CAdapterHostFixture
{
protected:
    void SetUp() override
    {
        CRecordingEditor::Log().clear();
        CAdapterHostFixture::SetUp();
        fIndex = Instantiate(kStereoType);
    }

    void TearDown() override
    {
        CTestEffect::sGivesEditor = true;
        CAdapterHostFixture::TearDown();
    }

    ComponentResult SetPort(SHostGrafPort* port)
    {
        return host::SetViewPort(kStereoType, fIndex, port != nullptr ? PortOf(*port) : nullptr);
    }

    // The names of the editor's calls since the last look.
    static std::vector<std::string> TakeCalls()
    {
        std::vector<std::string> calls = CRecordingEditor::CallNames();
        CRecordingEditor::Log().clear();
        return calls;
    }

    COffscreenWindow fFirst{CRecordingEditor::kWidth, CRecordingEditor::kHeight};
    COffscreenWindow fSecond{CRecordingEditor::kWidth, CRecordingEditor::kHeight};
    SHostGrafPort fFirstPort{&fFirst};
    SHostGrafPort fSecondPort{&fSecond};
    SInt32 fIndex = 0;
};

TEST_F(TestEffectEditor, AskingForTheViewRectangleFirstMakesTheEditorThatTheViewLaterReuses)
{
    std::unique_ptr<CEffectProcess> process(NewPTAdapterProcessRTASStereo());
    CRecordingEditor::Log().clear();
    Rect rect{};
    ASSERT_EQ(process->GetViewRect(&rect), 0);
    EXPECT_EQ(rect, kEditorRect);
    EXPECT_EQ(TakeCalls(), (std::vector<std::string>{"create", "rect"}));
    std::unique_ptr<CPlugInView> root(process->CreateCPlugInView());
    ASSERT_NE(root, nullptr);
    EXPECT_TRUE(TakeCalls().empty()) << "no second editor, no second reading";
    EXPECT_EQ(root->GetRect(), kEditorRect);
    ASSERT_EQ(root->GetNumSubviews(), 1u);
    EXPECT_NE(dynamic_cast<CPTAdapterView*>(root->GetSubview(0)), nullptr);
    EXPECT_EQ(root->GetSubview(0)->GetRect(), kEditorRect);
}

TEST_F(TestEffectEditor, APortThenNoPortOpensOnceClosesTwiceAndDisablesTheAdapterView)
{
    TakeCalls();
    ASSERT_EQ(SetPort(&fFirstPort), 0);
    EXPECT_TRUE(AdapterView(kStereoType, fIndex).IsEnabled());
    ASSERT_EQ(SetPort(nullptr), 0);
    EXPECT_EQ(TakeCalls(), (std::vector<std::string>{"open", "draw 0 0 320 180", "close", "close"}));
    EXPECT_FALSE(AdapterView(kStereoType, fIndex).IsEnabled());
    ASSERT_EQ(Click(kStereoType, fIndex, 10, 10), 0);
    EXPECT_TRUE(TakeCalls().empty()) << "a disabled view takes no clicks";
}

TEST_F(TestEffectEditor, ANewPortClosesTheEditorAndOpensItInTheNewWindowDrawnWithTheCachedRectangle)
{
    ASSERT_EQ(SetPort(&fFirstPort), 0);
    TakeCalls();
    ASSERT_EQ(SetPort(&fSecondPort), 0);
    const std::vector<CRecordingEditor::SCall> calls = CRecordingEditor::Log();
    ASSERT_EQ(TakeCalls(), (std::vector<std::string>{"close", "open", "draw 0 0 320 180"}));
    EXPECT_EQ(calls[0].window, &fFirst);
    EXPECT_EQ(calls[1].window, &fSecond);
}

TEST_F(TestEffectEditor, DrawingAndClicksReachTheEditorThroughTheViewTree)
{
    ASSERT_EQ(SetPort(&fFirstPort), 0);
    TakeCalls();
    Rect area = {10, 20, 30, 40};
    ASSERT_EQ(host::Draw(kStereoType, fIndex, &area), 0);
    ASSERT_EQ(Click(kStereoType, fIndex, 120, 40), 0);
    EXPECT_EQ(TakeCalls(), (std::vector<std::string>{"draw 20 10 40 30", "mouse 120 40"}));
    ASSERT_EQ(Click(kStereoType, fIndex, CRecordingEditor::kWidth, 40), 0);
    EXPECT_TRUE(TakeCalls().empty()) << "outside the adapter view";
}

TEST_F(TestEffectEditor, APortWithoutAWindowLeavesTheEditorClosed)
{
    SHostGrafPort windowless{nullptr};
    TakeCalls();
    ASSERT_EQ(SetPort(&windowless), 0);
    ASSERT_EQ(SetPort(nullptr), 0);
    const std::vector<std::string> calls = TakeCalls();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "open"), 0);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "close"), 0);
}

TEST_F(TestEffectEditor, ThePlugInsResourceFileIsCurrentWhileTheEditorIsMadeOpenedClosedAndDeleted)
{
    const SInt16 hostFile = CProcessGroup::CurrentResourceFile();
    const SInt16 plugInFile = CProcessGroup::GetPlugInResourceFile();
    ASSERT_NE(plugInFile, hostFile);
    ASSERT_EQ(SetPort(&fFirstPort), 0);
    ASSERT_EQ(SetPort(&fSecondPort), 0);
    ASSERT_EQ(SetPort(nullptr), 0);
    ASSERT_EQ(host::FreeProcess(kStereoType, fIndex), 0);
    EXPECT_EQ(CProcessGroup::CurrentResourceFile(), hostFile);
    std::vector<std::string> lifecycle;
    for (const CRecordingEditor::SCall& call : CRecordingEditor::Log())
        if (call.what == "create" || call.what == "open" || call.what == "close" || call.what == "delete")
        {
            lifecycle.push_back(call.what);
            EXPECT_EQ(call.resourceFile, plugInFile) << call.what;
        }
    EXPECT_EQ(lifecycle, (std::vector<std::string>{"create", "open", "close", "open", "close", "close", "delete"}));
}

TEST_F(TestEffectEditor, WithoutAnEditorEveryOperationIsHarmlessAndNoControlIsUnderAPoint)
{
    CTestEffect::sGivesEditor = false;
    TakeCalls();
    const SInt32 editorless = Instantiate(kStereoType);
    Rect rect{1, 2, 3, 4};
    ASSERT_EQ(host::GetViewRect(kStereoType, editorless, &rect), 0);
    EXPECT_EQ(rect, (Rect{0, 0, 0, 0}));
    EXPECT_EQ(AdapterView(kStereoType, editorless).GetRect(), (Rect{0, 0, 0, 0}));
    ASSERT_EQ(host::SetViewPort(kStereoType, editorless, PortOf(fFirstPort)), 0);
    Rect area = kEditorRect;
    ASSERT_EQ(host::Draw(kStereoType, editorless, &area), 0);
    ASSERT_EQ(Click(kStereoType, editorless, 0, 0), 0);
    ASSERT_EQ(host::DoIdle(kStereoType, editorless, nullptr), 0);
    ASSERT_EQ(host::SetControlValue(kStereoType, editorless, 2, 0), 0);
    ASSERT_EQ(host::SetControlHighliteInfo(kStereoType, editorless, 2, 1, 0), 0);
    SInt32 control = -1;
    ASSERT_EQ(host::ChooseControl(kStereoType, editorless, Point{0, 0}, &control), 0);
    EXPECT_EQ(control, 0);
    auto& effect = EffectOf<CTestEffect>(kStereoType, editorless);
    EXPECT_TRUE(effect.sendCallback(QVEffect::kCallbackResizeWindow, (640 << 16) | 300, 0.0f, nullptr, 0));
    ASSERT_EQ(host::SetViewPort(kStereoType, editorless, nullptr), 0);
    ASSERT_EQ(host::FreeProcess(kStereoType, editorless), 0);
    EXPECT_TRUE(TakeCalls().empty()) << "no editor was made";
}
} // namespace
