#include "CKickButton.h"

#include "CControlListener.h"
#include "CFrame.h"
#include "MouseButtons.h"

#include <cstring>

CKickButton::CKickButton(const CRect& size, CControlListener* listener, int32_t tag, int32_t frameHeight,
                         CBitmap* background, const CPoint& offset)
    : CControl(size, listener, tag, background), strip{2, frameHeight}, offset(offset)
{
}

void CKickButton::draw(CDrawContext* context)
{
    strip.drawFrame(context, background, size, value == maximum ? 1 : 0, offset, transparent);
    setDirty(false);
}

void CKickButton::show(CDrawContext* context, float newValue)
{
    if (newValue == value)
        return;
    value = newValue;
    if (listener)
        listener->valueChanged(context, this);
}

void CKickButton::mouse(CDrawContext* context, CPoint& where, int32_t buttons)
{
    if (!mouseEnabled || !frame || !(resolveButtons(buttons) & kMouseLeft))
        return;
    beginEdit();
    show(context, maximum);
    while (frame->getCurrentMouseButtons() & kMouseLeft)
    {
        frame->getCurrentMouseLocation(where);
        show(context, size.pointInside(where) ? maximum : minimum);
        frame->doIdleStuff();
    }
    show(context, minimum);
    endEdit();
}

bool CKickButton::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CKickButton") == 0 || CControl::isTypeOf(type);
}
