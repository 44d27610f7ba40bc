#include "PluginGUIEditor.h"

#include "CClockSystem.h"
#include "CDrawContext.h"
#include "CFrame.h"
#include "CWindow.h"

namespace
{
int32_t knobMode = kKnobCircular;
}

PluginGUIEditor::PluginGUIEditor(void* toolkitEffect) : toolkitEffect(toolkitEffect) {}

PluginGUIEditor::~PluginGUIEditor() = default;

void PluginGUIEditor::setParameter(int32_t, float) {}

bool PluginGUIEditor::getRect(ERect** result)
{
    *result = &rect;
    return true;
}

bool PluginGUIEditor::open(void* window)
{
    systemWindow = window;
    return true;
}

void PluginGUIEditor::close()
{
    systemWindow = nullptr;
}

void PluginGUIEditor::idle()
{
    if (frame)
        frame->idle();
}

void PluginGUIEditor::draw(ERect* area)
{
    if (!frame)
        return;
    if (!area)
    {
        frame->redraw();
        return;
    }
    CDrawContext context(frame, systemWindow);
    frame->drawRect(&context, CRect(area->left, area->top, area->right, area->bottom));
}

void PluginGUIEditor::doIdleStuff()
{
    if (systemWindow)
        static_cast<CWindow*>(systemWindow)->getSystem().processEvents();
}

int32_t PluginGUIEditor::setKnobMode(int32_t mode)
{
    knobMode = mode;
    return 1;
}

bool PluginGUIEditor::onWheel(float)
{
    return false;
}

void PluginGUIEditor::beginEdit(int32_t) {}

void PluginGUIEditor::endEdit(int32_t) {}

int32_t PluginGUIEditor::getKnobMode()
{
    return knobMode;
}

uint32_t PluginGUIEditor::getTicks()
{
    return systemWindow ? static_cast<CWindow*>(systemWindow)->getSystem().getTicks() : CClockSystem::monotonicTicks();
}
