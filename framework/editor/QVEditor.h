// The framework's editor: binds tagged controls to the effect's parameters, meters and clip
// indicators, refreshes them from the effect on idle and reports the user's edits through the
// effect's callback. A concrete editor builds its frame in open and registers its controls.
#pragma once

#include "CColor.h"
#include "CControlListener.h"
#include "PluginGUIEditor.h"
#include "VstKeyCode.h"

#include <cstdint>
#include <memory>
#include <vector>

class CControl;
class CFrame;
class QVEffect;

class QVEditor : public PluginGUIEditor, public CControlListener
{
public:
    // A control's tag: flags plus an index in the low 16 bits; a negative tag is not bound.
    enum ControlTag : int32_t
    {
        kTagMeter = 0x40000000,    // shows meter number index
        kTagClip = 0x20000000,     // shows clip indicator number index
        kTagInverted = 0x10000000, // shows and reports 1 - value
        kTagIndexMask = 0xFFFF,
    };
    static constexpr int32_t kTagUnbound = INT32_MIN;

    // Highlight codes the host sets on parameters.
    enum HighlightCode : int32_t
    {
        kHighlightNone = 0,
        kHighlightRed = 1,
        kHighlightGreen = 2,
        kHighlightBlue = 3,
        kHighlightYellow = 4,
    };

    explicit QVEditor(QVEffect* effect);
    ~QVEditor() override;

    // ---- Virtual operations, in slot order ----
    bool open(void* systemWindow) override;
    void close() override;
    // Refreshes from the effect when more than 20 ms have passed, then lets the frame idle.
    void idle() override;
    void draw(ERect* rect) override;
    void doIdleStuff() override;
    void beginEdit(int32_t index) override;
    void endEdit(int32_t index) override;
    virtual QVEffect* getQVEffect();
    virtual bool isOpen();
    virtual void addControl(CFrame* frame, CControl* control);
    virtual void clearControls();
    virtual int32_t mouse(int32_t x, int32_t y);
    virtual void updateEditor();
    virtual void resizeWindow(int32_t width, int32_t height, bool notifyHost);
    virtual float getParameterFromControl(int32_t index, CControl* control);
    virtual void setControlFromParameter(int32_t index, CControl* control);
    virtual void setControlFromMeter(int32_t index, CControl* control);
    virtual void setControlFromClip(int32_t index, CControl* control);
    virtual int32_t getParameterIndexFromPoint(int32_t x, int32_t y);
    virtual void setControlHighlight(int32_t index, int32_t code);
    virtual CColor getHighlightColor(int32_t code);
    void valueChanged(CDrawContext* context, CControl* control) override;
    virtual bool onKeyDown(VstKeyCode& key);
    virtual bool onKeyUp(VstKeyCode& key);

protected:
    static bool isParameterTag(int32_t tag) { return (tag & (kTagUnbound | kTagMeter | kTagClip)) == 0; }
    static int32_t indexOf(int32_t tag) { return tag & kTagIndexMask; }
    static bool isInverted(int32_t tag) { return (tag & kTagInverted) != 0; }
    // Gives a text control its text, any other control its value (inverted when its tag says so).
    void showOnControl(CControl* control, const char* text, float value);

    QVEffect* effect;
    std::vector<CControl*> controls; // registration order; the frame owns them
    int32_t parameterCount;
    std::unique_ptr<int32_t[]> highlights;
    int32_t lastUpdateCounter = -1; // -1: no refresh since construction or open
    uint32_t lastIdleTicks = 0;
};
