// The root of an editor window: it owns its views (drawn in the order added, later ones above),
// draws them into the host window, dispatches mouse, wheel and keys, holds the modal view (which
// takes every click while it is there) and, on idle, redraws just the views that are dirty.
#pragma once

#include "CView.h"

#include <cstddef>
#include <vector>

class CSystem;
class CWindow;
class PluginGUIEditor;

class CFrame : public CView
{
public:
    // systemWindow is a CWindow*; the editor (may be null) hears of edits and pumps events.
    CFrame(const CRect& size, void* systemWindow, PluginGUIEditor* editor);
    ~CFrame() override;

    // Takes over the caller's reference on the view.
    bool addView(CView* view);
    bool removeView(CView* view);
    bool isChild(const CView* view) const;
    const std::vector<CView*>& getViews() const { return views; }

    // Everything: the background, then each view, then the modal view.
    void draw(CDrawContext* context) override;
    // Only what lies in rect.
    void drawRect(CDrawContext* context, const CRect& rect);
    // Draws everything into the host window.
    void redraw();
    // Redraws whatever is dirty: the whole frame when it is marked, else the dirty views' areas.
    void idle();

    void mouse(CDrawContext* context, CPoint& where, int32_t buttons = -1) override;
    bool onWheel(CDrawContext* context, const CPoint& where, float distance) override;
    int32_t onKeyDown(VstKeyCode& key) override;
    int32_t onKeyUp(VstKeyCode& key) override;
    // Keys go to this view first (a text being edited); null for none.
    void setFocusView(CView* view) { focusView = view; }
    CView* getFocusView() const { return focusView; }

    // Refuses a second modal view; null removes the current one. The frame holds a reference.
    bool setModalView(CView* view);
    CView* getModalView() const { return modalView; }

    void beginEdit(int32_t tag);
    void endEdit(int32_t tag);
    // One pass of a drag loop: redraws what changed and lets the host and the system run.
    void doIdleStuff();
    int32_t getKnobMode() const;
    int32_t getCurrentMouseButtons();
    void getCurrentMouseLocation(CPoint& where);
    uint32_t getTicks();

    PluginGUIEditor* getEditor() const { return editor; }
    void* getSystemWindow() const { return window; }
    bool isTypeOf(const char* type) const override;

private:
    CView* viewAt(const CPoint& where) const;
    void drawViews(CDrawContext* context, const CRect* area, size_t count);
    CSystem* system() const;

    CWindow* window;
    PluginGUIEditor* editor;
    std::vector<CView*> views;
    std::vector<CRect> dirtyAreas; // kept between passes so idle does not allocate
    CView* modalView = nullptr;
    CView* focusView = nullptr;
};
