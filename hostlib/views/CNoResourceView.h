#pragma once
// The root of a process's view tree when no view resource describes it: its size is set by
// the process, and views are added to it from one-line descriptions.

#include "CPlugInView.h"

class CNoResourceView : public CPlugInView
{
public:
    void SetSize(SInt16 width, SInt16 height);
    // "!Kind[('NoID')]" makes a view of a kind registered with CCustomView::AddNewViewProc;
    // any other text becomes a static-text item. The view gets the rectangle and the enabled
    // state and is added to this view, which owns it. Null for an unregistered kind.
    CPlugInView* AddView(const char* description, const Rect& rect, bool enabled);
};
