#include "CPTAdapterView.h"

#include "IPTAdapterUI.h"

CPTAdapterView* CreateCPTAdapterView()
{
    return new CPTAdapterView;
}

void AddPTAdapterViewKind()
{
    CCustomView::AddNewViewProc(kPTAdapterViewKind, []() -> CCustomView* { return CreateCPTAdapterView(); });
}

void CPTAdapterView::SetCustomUI(IPTAdapterUI* ui)
{
    customUI = ui;
}

// Without an area the whole view is drawn.
void CPTAdapterView::DrawContents(Rect* area)
{
    if (customUI == nullptr)
        return;
    const Rect drawn = area != nullptr ? *area : GetRect();
    customUI->Draw(drawn.left, drawn.top, drawn.right, drawn.bottom);
}

bool CPTAdapterView::MouseCommand(EventRecord* event)
{
    if (customUI == nullptr || event == nullptr)
        return false;
    customUI->MouseCommmand(event->where.h, event->where.v);
    return true;
}
