#include "COnOffButton.h"

#include "CBitmap.h"
#include "CControlListener.h"
#include "MouseButtons.h"

#include <cstring>

COnOffButton::COnOffButton(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background)
    : CControl(size, listener, tag, background), strip{2, background ? background->getHeight() / 2 : 0}
{
}

void COnOffButton::draw(CDrawContext* context)
{
    strip.drawFrame(context, background, size, value == maximum ? 1 : 0, {}, transparent);
    setDirty(false);
}

void COnOffButton::mouse(CDrawContext* context, CPoint&, int32_t buttons)
{
    if (!mouseEnabled || !(resolveButtons(buttons) & kMouseLeft))
        return;
    value = value == maximum ? minimum : maximum;
    beginEdit();
    if (listener)
        listener->valueChanged(context, this);
    endEdit();
}

bool COnOffButton::isTypeOf(const char* type) const
{
    return std::strcmp(type, "COnOffButton") == 0 || CControl::isTypeOf(type);
}
