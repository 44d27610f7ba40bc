// The host window handle the editor is opened with: a surface to draw into and the system that
// reports its mouse, clock and events. COffscreenWindow and CXcbWindow are the two kinds.
#pragma once

#include <cairo.h>

#include <cstdint>

class CFrame;
class CSystem;

class CWindow
{
public:
    CWindow(const CWindow&) = delete;
    CWindow& operator=(const CWindow&) = delete;
    virtual ~CWindow() = default;

    virtual cairo_surface_t* getSurface() = 0;
    // Called after a drawing context is done with the surface.
    virtual void flush() {}
    virtual int32_t getWidth() const = 0;
    virtual int32_t getHeight() const = 0;

    CSystem& getSystem() { return system; }
    // The frame that draws into this window; it receives the window's events.
    void setFrame(CFrame* attached) { frame = attached; }
    CFrame* getFrame() const { return frame; }

protected:
    explicit CWindow(CSystem& system) : system(system) {}

private:
    CSystem& system;
    CFrame* frame = nullptr;
};
