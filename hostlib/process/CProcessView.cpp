// What reaches the process's library view: drawing, clicks, keys, the port and the rectangle go
// to the view when there is one; highlights and graphics are the view system's own.

#include "CPlugInView.h"
#include "CProcess.h"
#include "DAEErrorCodes.h"
#include "ProcessAnswers.h"

CPlugInView* CProcess::CreateCPlugInView()
{
    return nullptr;
}

ComponentResult CProcess::Draw(Rect* area)
{
    if (fView != nullptr)
        fView->Draw(area);
    return 0;
}

ComponentResult CProcess::DoMouseCommand(EventRecord* event)
{
    if (fView != nullptr)
        fView->MouseCommand(event);
    return 0;
}

ComponentResult CProcess::DoKeyCommand(EventRecord* event, Boolean* handled)
{
    return Answer(handled, fView != nullptr && fView->KeyCommand(event));
}

ComponentResult CProcess::GetViewRect(Rect* rect)
{
    return Answer(rect, fView != nullptr ? fView->GetRect() : Rect{});
}

ComponentResult CProcess::SetViewPort(GrafPtr port)
{
    if (fView != nullptr)
        fView->SetViewPort(port);
    return 0;
}

ComponentResult CProcess::SetViewOrigin(Point origin)
{
    if (fView != nullptr)
        fView->SetOrigin(origin);
    return 0;
}

ComponentResult CProcess::ActivateWindow()
{
    if (fView != nullptr)
        fView->Activate(true);
    return 0;
}

ComponentResult CProcess::DeactivateWindow()
{
    if (fView != nullptr)
        fView->Activate(false);
    return 0;
}

ComponentResult CProcess::UpdateHighlight(SInt32, SInt16, SInt16, SInt16, const char*)
{
    return 0;
}

ComponentResult CProcess::UpdateControlGraphic(SInt32, SInt32)
{
    return 0;
}

ComponentResult CProcess::GetControlHighliteInfo(SInt32, SInt16* highlighted, SInt16* color)
{
    *highlighted = 0;
    return Answer(color, 0);
}

ComponentResult CProcess::SetControlHighliteInfo(SInt32, SInt16, SInt16)
{
    return 0;
}

ComponentResult CProcess::ChooseControl(Point, SInt32* index)
{
    return Answer(index, 0);
}

ComponentResult CProcess::GetProcessControlViewId(SInt32, OSType* viewId)
{
    return Answer(viewId, kNoControlViewId, kDAE_InvalidControlIndex);
}
