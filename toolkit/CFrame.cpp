#include "CFrame.h"

#include "CBitmap.h"
#include "CClockSystem.h"
#include "CDrawContext.h"
#include "CWindow.h"
#include "PluginGUIEditor.h"

#include <algorithm>
#include <cstring>

CFrame::CFrame(const CRect& size, void* systemWindow, PluginGUIEditor* editor)
    : CView(size), window(static_cast<CWindow*>(systemWindow)), editor(editor)
{
    frame = this;
    if (window)
        window->setFrame(this);
}

CFrame::~CFrame()
{
    setModalView(nullptr);
    while (!views.empty())
        removeView(views.back());
    if (window && window->getFrame() == this)
        window->setFrame(nullptr);
}

bool CFrame::addView(CView* view)
{
    if (!view || isChild(view))
        return false;
    views.push_back(view);
    view->attached(this);
    return true;
}

bool CFrame::removeView(CView* view)
{
    const auto found = std::find(views.begin(), views.end(), view);
    if (found == views.end())
        return false;
    views.erase(found);
    if (focusView == view)
        focusView = nullptr;
    view->removed(this);
    view->forget();
    return true;
}

bool CFrame::isChild(const CView* view) const
{
    return std::find(views.begin(), views.end(), view) != views.end();
}

void CFrame::drawViews(CDrawContext* context, const CRect* area, size_t count)
{
    context->saveClip(area, count);
    if (background)
        background->draw(context, size);
    else
    {
        context->setFillColor(kBlackCColor);
        context->fillRect(size);
    }
    auto overlapsArea = [area, count](const CView* view) {
        return std::any_of(area, area + count, [view](const CRect& r) { return r.rectOverlap(view->getViewSize()); });
    };
    for (CView* view : views)
        if (overlapsArea(view))
            view->draw(context);
    if (modalView && overlapsArea(modalView))
        modalView->draw(context);
    context->restoreClip();
}

void CFrame::draw(CDrawContext* context)
{
    drawViews(context, &size, 1);
    setDirty(false);
}

void CFrame::drawRect(CDrawContext* context, const CRect& rect)
{
    drawViews(context, &rect, 1);
}

void CFrame::redraw()
{
    if (!window)
        return;
    CDrawContext context(this, window);
    draw(&context);
}

void CFrame::idle()
{
    if (!window)
        return;
    if (isDirty())
    {
        redraw();
        return;
    }
    dirtyAreas.clear();
    for (CView* view : views)
        if (view->isDirty() && !view->getViewSize().isEmpty())
            dirtyAreas.push_back(view->getViewSize());
    if (modalView && modalView->isDirty())
        dirtyAreas.push_back(modalView->getViewSize());
    if (dirtyAreas.empty())
        return;
    CDrawContext context(this, window);
    drawViews(&context, dirtyAreas.data(), dirtyAreas.size());
}

CView* CFrame::viewAt(const CPoint& where) const
{
    for (auto view = views.rbegin(); view != views.rend(); ++view)
        if ((*view)->getMouseEnabled() && (*view)->getViewSize().pointInside(where))
            return *view;
    return nullptr;
}

void CFrame::mouse(CDrawContext* context, CPoint& where, int32_t buttons)
{
    if (buttons == -1)
        buttons = getCurrentMouseButtons();
    if (modalView)
    {
        modalView->mouse(context, where, buttons);
        return;
    }
    if (CView* view = viewAt(where))
        view->mouse(context, where, buttons);
}

bool CFrame::onWheel(CDrawContext* context, const CPoint& where, float distance)
{
    if (modalView)
        return modalView->onWheel(context, where, distance);
    CView* view = viewAt(where);
    return view && view->onWheel(context, where, distance);
}

int32_t CFrame::onKeyDown(VstKeyCode& key)
{
    if (modalView)
        return modalView->onKeyDown(key);
    return focusView ? focusView->onKeyDown(key) : -1;
}

int32_t CFrame::onKeyUp(VstKeyCode& key)
{
    if (modalView)
        return modalView->onKeyUp(key);
    return focusView ? focusView->onKeyUp(key) : -1;
}

bool CFrame::setModalView(CView* view)
{
    if (view && modalView)
        return false;
    if (CView* previous = modalView)
    {
        modalView = nullptr;
        previous->removed(this);
        previous->forget();
    }
    if (view)
    {
        view->remember();
        modalView = view;
        view->attached(this);
        view->setDirty(true);
    }
    return true;
}

void CFrame::beginEdit(int32_t tag)
{
    if (editor)
        editor->beginEdit(tag);
}

void CFrame::endEdit(int32_t tag)
{
    if (editor)
        editor->endEdit(tag);
}

void CFrame::doIdleStuff()
{
    idle();
    if (editor)
        editor->doIdleStuff();
    else if (CSystem* events = system())
        events->processEvents();
}

int32_t CFrame::getKnobMode() const
{
    return PluginGUIEditor::getKnobMode();
}

CSystem* CFrame::system() const
{
    return window ? &window->getSystem() : nullptr;
}

int32_t CFrame::getCurrentMouseButtons()
{
    return window ? system()->getMouseButtons() : 0;
}

void CFrame::getCurrentMouseLocation(CPoint& where)
{
    if (window)
        where = system()->getMouseLocation();
}

uint32_t CFrame::getTicks()
{
    return window ? system()->getTicks() : CClockSystem::monotonicTicks();
}

bool CFrame::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CFrame") == 0 || CView::isTypeOf(type);
}
