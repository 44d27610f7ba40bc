#include "CPlugInView.h"

#include <algorithm>

namespace
{
bool Contains(const Rect& rect, Point point)
{
    return point.v >= rect.top && point.v < rect.bottom && point.h >= rect.left && point.h < rect.right;
}

bool Meets(const Rect& a, const Rect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}
} // namespace

ComponentResult CPlugInView::Initialize()
{
    return 0;
}

void CPlugInView::Draw(Rect* area)
{
    DrawContents(area);
    for (const auto& view : fSubviews)
        if (view->IsEnabled() && (area == nullptr || Meets(view->GetRect(), *area)))
            view->Draw(area);
}

void CPlugInView::DrawContents(Rect*) {}

bool CPlugInView::MouseCommand(EventRecord* event)
{
    if (event == nullptr)
        return false;
    return std::any_of(fSubviews.rbegin(), fSubviews.rend(), [event](const auto& view) {
        return view->IsEnabled() && Contains(view->GetRect(), event->where) && view->MouseCommand(event);
    });
}

bool CPlugInView::KeyCommand(EventRecord*)
{
    return false;
}

void CPlugInView::SetViewPort(GrafPtr port)
{
    fPort = port;
    for (const auto& view : fSubviews)
        view->SetViewPort(port);
}

void CPlugInView::SetOrigin(Point origin)
{
    fOrigin = origin;
}

void CPlugInView::Activate(bool active)
{
    fActive = active;
    for (const auto& view : fSubviews)
        view->Activate(active);
}

void CPlugInView::AddSubview(CPlugInView* view)
{
    std::unique_ptr<CPlugInView> owned(view);
    fSubviews.push_back(std::move(owned));
    view->SetViewPort(fPort);
}
