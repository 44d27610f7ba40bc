#include "CView.h"

#include "CBitmap.h"
#include "CFrame.h"

#include "MouseButtons.h"

#include <cstring>

CView::CView(const CRect& size) : size(size) {}

CView::~CView()
{
    if (background)
        background->forget();
}

void CView::draw(CDrawContext* context)
{
    if (background)
    {
        if (transparent)
            background->drawTransparent(context, size);
        else
            background->draw(context, size);
    }
    setDirty(false);
}

void CView::mouse(CDrawContext*, CPoint&, int32_t) {}

bool CView::onWheel(CDrawContext*, const CPoint&, float)
{
    return false;
}

int32_t CView::onKeyDown(VstKeyCode&)
{
    return -1;
}

int32_t CView::onKeyUp(VstKeyCode&)
{
    return -1;
}

bool CView::attached(CView* parent)
{
    frame = dynamic_cast<CFrame*>(parent);
    return true;
}

bool CView::removed(CView*)
{
    frame = nullptr;
    return true;
}

int32_t CView::resolveButtons(int32_t buttons) const
{
    if (buttons != kAskSystemButtons)
        return buttons;
    return frame ? frame->getCurrentMouseButtons() : 0;
}

bool CView::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CView") == 0;
}

void CView::setViewSize(const CRect& rect)
{
    size = rect;
    setDirty(true);
}

void CView::setBackground(CBitmap* bitmap)
{
    if (bitmap)
        bitmap->remember();
    if (background)
        background->forget();
    background = bitmap;
    setDirty(true);
}
