// A rectangle of the frame that draws itself and may take the mouse, the wheel and keys.
// Rectangles are in frame coordinates. The frame holds a reference on every view it shows.
#pragma once

#include "CPoint.h"
#include "CRect.h"
#include "CReferenceCounter.h"
#include "VstKeyCode.h"

class CBitmap;
class CDrawContext;
class CFrame;

class CView : public CReferenceCounter
{
public:
    explicit CView(const CRect& size);
    ~CView() override;

    // Draws the background bitmap, if any, and clears the dirty flag.
    virtual void draw(CDrawContext* context);
    virtual void mouse(CDrawContext* context, CPoint& where, int32_t buttons = -1);
    virtual bool onWheel(CDrawContext* context, const CPoint& where, float distance);
    // 1 when handled, -1 when not.
    virtual int32_t onKeyDown(VstKeyCode& key);
    virtual int32_t onKeyUp(VstKeyCode& key);

    // Called by the frame when it takes the view in and when it lets it go.
    virtual bool attached(CView* parent);
    virtual bool removed(CView* parent);

    virtual bool isDirty() const { return dirty; }
    virtual void setDirty(bool value = true) { dirty = value; }
    virtual bool isTypeOf(const char* type) const;

    virtual void setViewSize(const CRect& rect);
    const CRect& getViewSize() const { return size; }
    int32_t getWidth() const { return size.width(); }
    int32_t getHeight() const { return size.height(); }

    // Takes a reference on the bitmap.
    virtual void setBackground(CBitmap* bitmap);
    CBitmap* getBackground() const { return background; }
    void setTransparency(bool value) { transparent = value; }
    bool getTransparency() const { return transparent; }
    void setMouseEnabled(bool value) { mouseEnabled = value; }
    bool getMouseEnabled() const { return mouseEnabled; }

    CFrame* getFrame() const { return frame; }

protected:
    // The given button state, or the system's when it is -1.
    int32_t resolveButtons(int32_t buttons) const;

    CRect size;
    CFrame* frame = nullptr;
    CBitmap* background = nullptr;
    bool dirty = true;
    bool transparent = false;
    bool mouseEnabled = true;
};
