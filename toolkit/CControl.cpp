#include "CControl.h"

#include "CControlListener.h"
#include "CFrame.h"
#include "MouseButtons.h"

#include <algorithm>
#include <cmath>
#include <cstring>

CControl::CControl(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background)
    : CView(size), listener(listener), tag(tag)
{
    if (background)
        setBackground(background);
}

void CControl::bounceValue()
{
    // A value that is not a number would pass the clamp unchanged.
    value = std::isnan(value) ? minimum : std::clamp(value, minimum, maximum);
}

bool CControl::isDirty() const
{
    return oldValue != value || CView::isDirty();
}

void CControl::setDirty(bool newDirty)
{
    CView::setDirty(newDirty);
    if (!newDirty)
        oldValue = value;
}

bool CControl::checkDefaultValue(CDrawContext* context, int32_t buttons)
{
    if (buttons != kDefaultValueButtons)
        return false;
    value = defaultValue;
    if (listener)
    {
        beginEdit();
        listener->valueChanged(context, this);
        endEdit();
    }
    return true;
}

void CControl::beginEdit()
{
    if (frame)
        frame->beginEdit(tag);
}

void CControl::endEdit()
{
    if (frame)
        frame->endEdit(tag);
}

void CControl::reportIfChanged(CDrawContext* context)
{
    if (listener && isDirty())
        listener->valueChanged(context, this);
}

bool CControl::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CControl") == 0 || CView::isTypeOf(type);
}
