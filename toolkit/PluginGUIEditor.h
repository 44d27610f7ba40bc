// The toolkit's editor: the window rectangle, the frame, the host window it is open in, the
// millisecond clock and the toolkit-wide knob mode. A concrete editor builds its frame in open.
#pragma once

#include "ERect.h"

#include <cstdint>

class CFrame;

enum KnobMode : int32_t
{
    kKnobCircular = 0,         // the value follows the angle around the knob's centre
    kKnobRelativeCircular = 1, // the angle moves the value from where it was
    kKnobLinear = 2,           // the value follows straight mouse travel
};

class PluginGUIEditor
{
public:
    // toolkitEffect is whatever the host side wants kept with the editor; the toolkit never uses it.
    explicit PluginGUIEditor(void* toolkitEffect);
    PluginGUIEditor(const PluginGUIEditor&) = delete;
    PluginGUIEditor& operator=(const PluginGUIEditor&) = delete;
    virtual ~PluginGUIEditor();

    // ---- Virtual operations, in slot order ----
    // A hook for concrete editors; the toolkit does nothing with it.
    virtual void setParameter(int32_t index, float value);
    virtual bool getRect(ERect** rect);
    // systemWindow is a CWindow*.
    virtual bool open(void* systemWindow);
    virtual void close();
    // The frame's idle work: dirty views redraw.
    virtual void idle();
    // The frame's area in rect, or all of it without one.
    virtual void draw(ERect* rect);
    // Handles the host window's pending events.
    virtual void doIdleStuff();
    virtual int32_t setKnobMode(int32_t mode);
    virtual bool onWheel(float distance);
    // A gesture on the control with this tag starts or ends; the frame passes these on.
    virtual void beginEdit(int32_t tag);
    virtual void endEdit(int32_t tag);

    static int32_t getKnobMode();
    // Milliseconds from the open window's system, else from the monotonic clock.
    uint32_t getTicks();
    CFrame* getFrame() const { return frame; }
    void* getSystemWindow() const { return systemWindow; }
    void* getToolkitEffect() const { return toolkitEffect; }

protected:
    void* toolkitEffect;
    ERect rect;
    CFrame* frame = nullptr;
    void* systemWindow = nullptr;
};
