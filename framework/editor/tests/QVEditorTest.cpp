#include "CBitmap.h"
#include "CControl.h"
#include "COnOffButton.h"
#include "CTextEdit.h"
#include "EditorFixture.h"
#include "RecordingView.h"
#include "TestBitmaps.h"

#include <gmock/gmock.h>

using testing::ElementsAre;

namespace
{
constexpr float kUntouched = 0.123f;

CControl* controlWithTag(int32_t tag, const CRect& size = CRect(0, 0, 10, 10))
{
    auto* control = new CControl(size, nullptr, tag);
    control->setValue(kUntouched);
    return control;
}
} // namespace

TEST_F(EditorFixture, TagsBindControlsToParametersMetersAndClips)
{
    effect.setParameter(1, 0.9f, false, false);
    effect.meters[1] = 0.3f;
    effect.meters[2] = 0.6f;
    effect.clips[0] = 2;
    effect.clips[1] = 1;
    auto* unbound = editor.add(controlWithTag(QVEditor::kTagUnbound | 1));
    auto* parameter = editor.add(controlWithTag(1));
    auto* inverted = editor.add(controlWithTag(QVEditor::kTagInverted | 2));
    auto* meter = editor.add(controlWithTag(QVEditor::kTagMeter | 1));
    auto* meterAndClip = editor.add(controlWithTag(QVEditor::kTagMeter | QVEditor::kTagClip | 2));
    auto* clipped = editor.add(controlWithTag(QVEditor::kTagClip | 0));
    auto* notClipped = editor.add(controlWithTag(QVEditor::kTagClip | 1));

    editor.updateEditor();
    EXPECT_EQ(unbound->getValue(), kUntouched);
    EXPECT_EQ(unbound->getDefaultValue(), 0.5f) << "an unbound control gets no default";
    EXPECT_FLOAT_EQ(parameter->getValue(), 0.9f);
    EXPECT_EQ(parameter->getDefaultValue(), 0.5f);
    EXPECT_FLOAT_EQ(inverted->getValue(), 1 - 0.75f);
    EXPECT_FLOAT_EQ(inverted->getDefaultValue(), 1 - 0.75f);
    EXPECT_FLOAT_EQ(meter->getValue(), 0.3f);
    EXPECT_FLOAT_EQ(meterAndClip->getValue(), 0.6f) << "the meter bit wins";
    EXPECT_EQ(clipped->getValue(), 1.0f) << "clip state 2 lights";
    EXPECT_EQ(notClipped->getValue(), 0.0f) << "any other state does not";

    for (CControl* control : {unbound, meter, meterAndClip})
        editor.valueChanged(nullptr, control);
    EXPECT_TRUE(effect.reports.empty()) << "changes of unbound and meter controls reach nobody";
    inverted->setValue(0.2f);
    editor.valueChanged(nullptr, inverted);
    EXPECT_THAT(effect.reports, ElementsAre(Report{QVEffect::kCallbackSetParameter, 2, 0.8f}));
}

TEST_F(EditorFixture, ParameterControlsRefreshOnlyWhenTheCounterMovesOrRightAfterOpen)
{
    auto* parameter = editor.add(controlWithTag(0));
    auto* meter = editor.add(controlWithTag(QVEditor::kTagMeter | 0));
    editor.updateEditor();
    EXPECT_EQ(parameter->getValue(), 0.25f);

    parameter->setValue(kUntouched);
    effect.meters[0] = 0.7f;
    editor.updateEditor();
    EXPECT_EQ(parameter->getValue(), kUntouched) << "the counter has not moved";
    EXPECT_FLOAT_EQ(meter->getValue(), 0.7f) << "meters refresh every time";

    effect.setParameter(0, 0.4f, false, false);
    editor.updateEditor();
    EXPECT_FLOAT_EQ(parameter->getValue(), 0.4f);

    editor.close();
    editor.open(&window);
    auto* reopened = editor.add(controlWithTag(0));
    editor.updateEditor();
    EXPECT_FLOAT_EQ(reopened->getValue(), 0.4f) << "open forgets the counter";
    EXPECT_EQ(editor.lastCounterSeen(), effect.getUpdateCounter());
}

TEST_F(EditorFixture, IdleRefreshesOnlyWhenMoreThanTwentyMillisecondsHavePassed)
{
    auto* meter = editor.add(controlWithTag(QVEditor::kTagMeter | 0));
    const struct
    {
        uint32_t advance;
        bool refreshes;
    } steps[] = {{20, false}, {1, true}, {20, false}, {1, true}, {100, true}};
    float shown = kUntouched;
    float next = 0;
    for (const auto& step : steps)
    {
        system.advanceTicks(step.advance);
        next += 0.1f;
        effect.meters[0] = next;
        editor.idle();
        if (step.refreshes)
            shown = next;
        EXPECT_FLOAT_EQ(meter->getValue(), shown) << "after " << step.advance << " ms more";
    }
}

TEST_F(EditorFixture, AClickOnAClipIndicatorResetsTheClipsAndReportsNoParameter)
{
    CBitmap* strip = makeStripes(10, 20);
    editor.add(new COnOffButton(CRect(0, 0, 10, 10), &editor, QVEditor::kTagClip | 1, strip));
    strip->forget();
    const int32_t resetsBefore = effect.clipResets;
    click(5, 5);
    EXPECT_EQ(effect.clipResets, resetsBefore + 1);
    for (const Report& report : effect.reports)
        EXPECT_NE(report.code, QVEffect::kCallbackSetParameter);
}

TEST_F(EditorFixture, AClickOnAParameterButtonReportsBeginSetAndEndInOrder)
{
    CBitmap* strip = makeStripes(10, 20);
    editor.add(new COnOffButton(CRect(0, 0, 10, 10), &editor, 1, strip));
    strip->forget();
    click(5, 5);
    EXPECT_THAT(effect.reports, ElementsAre(Report{QVEffect::kCallbackBeginEdit, 1, 0},
                                            Report{QVEffect::kCallbackSetParameter, 1, 1.0f},
                                            Report{QVEffect::kCallbackEndEdit, 1, 0}));
}

TEST_F(EditorFixture, PointLookupFindsTheFirstParameterControlWithEdgesIncluded)
{
    editor.add(controlWithTag(0, CRect(10, 10, 20, 20)));
    editor.add(controlWithTag(1, CRect(15, 15, 30, 30)));
    editor.add(controlWithTag(QVEditor::kTagMeter | 2, CRect(40, 40, 50, 50)));
    editor.add(controlWithTag(QVEditor::kTagInverted | 2, CRect(60, 60, 70, 70)));
    editor.add(controlWithTag(TestEffect::kParameters, CRect(80, 80, 90, 90)));
    const struct
    {
        int32_t x, y, index;
    } cases[] = {{10, 10, 0}, {20, 20, 0}, {21, 21, 1}, {30, 30, 1}, {31, 30, -1},
                 {45, 45, -1}, {65, 65, -1}, {85, 85, -1}, {5, 5, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(editor.getParameterIndexFromPoint(c.x, c.y), c.index) << c.x << ", " << c.y;
}

TEST_F(EditorFixture, HighlightsColourTheParametersReadOutsAlsoWhenAddedLater)
{
    const struct
    {
        int32_t code;
        CColor colour;
    } colours[] = {{0, {255, 255, 255, 255}}, {1, {255, 0, 0, 255}},   {2, {0, 255, 0, 255}},
                   {3, {0, 153, 255, 255}},   {4, {255, 204, 0, 255}}, {5, {255, 255, 255, 255}}};
    auto* readOut = editor.add(new CTextLabel(CRect(0, 0, 10, 10)));
    readOut->setTag(1);
    auto* otherReadOut = editor.add(new CParamDisplay(CRect(0, 0, 10, 10)));
    otherReadOut->setTag(0);
    for (const auto& c : colours)
    {
        editor.setControlHighlight(1, c.code);
        EXPECT_EQ(readOut->getFontColor(), c.colour) << "code " << c.code;
    }
    editor.setControlHighlight(1, 2);
    EXPECT_EQ(otherReadOut->getFontColor(), kWhiteCColor);

    auto* later = new CParamDisplay(CRect(0, 0, 10, 10));
    later->setTag(1);
    editor.add(later);
    EXPECT_EQ(later->getFontColor(), (CColor{0, 255, 0, 255}));
    editor.setControlHighlight(TestEffect::kParameters, 1); // out of range: ignored
}

TEST_F(EditorFixture, DrawingARectangleReachingOutsideTheEditorRedrawsEverything)
{
    CBitmap* red = makeSolid(100, 100, {255, 0, 0, 255});
    editor.getFrame()->setBackground(red);
    red->forget();
    const struct
    {
        ERect area; // top, left, bottom, right
        bool centreRedrawn;
    } cases[] = {{{0, 0, 10, 10}, false}, {{0, 0, 100, 100}, true}, {{0, 0, 10, 101}, true}, {{-1, 0, 10, 10}, true}};
    for (const auto& c : cases)
    {
        window.fill(kBlackCColor);
        ERect area = c.area;
        editor.draw(&area);
        EXPECT_EQ(window.getPixel(5, 5).red, 255);
        EXPECT_EQ(window.getPixel(50, 50).red == 255, c.centreRedrawn)
            << c.area.top << " " << c.area.left << " " << c.area.bottom << " " << c.area.right;
    }
    window.fill(kBlackCColor);
    editor.draw(nullptr);
    EXPECT_EQ(window.getPixel(99, 99).red, 255);
}

TEST_F(EditorFixture, ResizingSetsTheRectangleAndTellsTheHostOnlyWhenAskedAndOpen)
{
    editor.resizeWindow(640, 300, true);
    EXPECT_THAT(effect.reports, ElementsAre(Report{QVEffect::kCallbackResizeWindow, (640 << 16) | 300, 0}));
    ERect* rect = nullptr;
    editor.getRect(&rect);
    EXPECT_EQ(rect->right, 640);
    EXPECT_EQ(rect->bottom, 300);

    editor.resizeWindow(211, 776, false);
    editor.close();
    editor.resizeWindow(100, 100, true);
    EXPECT_EQ(effect.reports.size(), 1u);
}

TEST_F(EditorFixture, TypedTextIsParsedByTheEffect)
{
    auto* edit = editor.add(new CTextEdit(CRect(0, 0, 30, 10), &editor, 2, "0.6"));
    EXPECT_FLOAT_EQ(editor.getParameterFromControl(2, edit), 0.6f);
    editor.updateEditor();
    EXPECT_STREQ(edit->getText(), "0.75 dB") << "shows the parameter as value and unit";
}

TEST_F(EditorFixture, DragLoopsLetTheHostIdleAndFallBackToTheSystemWhenItDoesNot)
{
    editor.doIdleStuff();
    EXPECT_EQ(system.getEventPasses(), 1);
    effect.idleHandled = true;
    editor.doIdleStuff();
    EXPECT_EQ(system.getEventPasses(), 1);
    EXPECT_EQ(effect.reports.size(), 2u);
}

TEST_F(EditorFixture, ClosingDeletesTheFrameAndEmptiesTheRegistry)
{
    editor.add(controlWithTag(0, CRect(10, 10, 20, 20)));
    editor.close();
    EXPECT_FALSE(editor.isOpen());
    EXPECT_EQ(editor.getFrame(), nullptr);
    EXPECT_EQ(editor.getParameterIndexFromPoint(15, 15), -1);
    VstKeyCode key;
    EXPECT_FALSE(editor.onKeyDown(key));
    EXPECT_EQ(editor.mouse(15, 15), 1);
    editor.updateEditor(); // closed: only records the counter
}

TEST(EditorLifetime, DeletingAnOpenEditorClosesItFirst)
{
    TestEffect effect;
    COffscreenWindow window(100, 100);
    auto* editor = new TestEditor(&effect);
    editor->open(&window);
    bool viewDeleted = false;
    editor->getFrame()->addView(new RecordingView(CRect(0, 0, 10, 10), kWhiteCColor, &viewDeleted));
    delete editor;
    EXPECT_TRUE(viewDeleted);
    EXPECT_EQ(window.getFrame(), nullptr);
}
