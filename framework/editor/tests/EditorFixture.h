// An editor on the test effect, open in an offscreen window driven by a scripted system.
#pragma once

#include "CFrame.h"
#include "COffscreenWindow.h"
#include "CScriptedSystem.h"
#include "MouseButtons.h"
#include "QVEditor.h"
#include "TestEffect.h"

#include <gtest/gtest.h>

class TestEditor : public QVEditor
{
public:
    explicit TestEditor(QVEffect* effect) : QVEditor(effect) { resizeWindow(100, 100, false); }

    bool open(void* window) override
    {
        QVEditor::open(window);
        frame = new CFrame(CRect(0, 0, 100, 100), window, this);
        return true;
    }
    template <typename Control> Control* add(Control* control)
    {
        addControl(frame, control);
        return control;
    }
    int32_t lastCounterSeen() const { return lastUpdateCounter; }
};

struct EditorFixture : testing::Test
{
    TestEffect effect;
    CScriptedSystem system;
    COffscreenWindow window{100, 100, &system};
    TestEditor editor{&effect};

    EditorFixture()
    {
        system.setTicks(1000);
        editor.open(&window);
    }
    ~EditorFixture() override { editor.close(); }

    void click(int32_t x, int32_t y, int32_t buttons = kMouseLeft)
    {
        system.play({{CPoint(x, y), buttons}});
        editor.mouse(x, y);
    }
};
