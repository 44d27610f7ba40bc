// What reaches the process's library view. This library runs without views, so each answers
// that nothing was done.

#include "CProcess.h"
#include "DAEErrorCodes.h"

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
    *color = 0;
    return 0;
}

ComponentResult CProcess::SetControlHighliteInfo(SInt32, SInt16, SInt16)
{
    return 0;
}

ComponentResult CProcess::ChooseControl(Point, SInt32* index)
{
    *index = 0;
    return 0;
}

ComponentResult CProcess::GetProcessControlViewId(SInt32, OSType* viewId)
{
    *viewId = kNoControlViewId;
    return kDAE_InvalidControlIndex;
}
