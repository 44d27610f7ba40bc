// Stands in for an editor and a listener at once: logs the edits the frame passes on and the
// value changes controls report, in the order they happen.
#pragma once

#include "CControl.h"
#include "CControlListener.h"
#include "PluginGUIEditor.h"

#include <string>
#include <vector>

struct EditLog : PluginGUIEditor, CControlListener
{
    std::vector<std::string> events;
    std::vector<float> values;

    EditLog() : PluginGUIEditor(nullptr) {}
    void beginEdit(int32_t tag) override { events.push_back("begin " + std::to_string(tag)); }
    void endEdit(int32_t tag) override { events.push_back("end " + std::to_string(tag)); }
    void valueChanged(CDrawContext*, CControl* control) override
    {
        values.push_back(control->getValue());
        events.push_back("value " + std::to_string(control->getValue()).substr(0, 3));
    }
};
