#include "CSplashScreen.h"

#include "CBitmap.h"
#include "CControlListener.h"
#include "CFrame.h"
#include "MouseButtons.h"

#include <cstring>

CSplashScreen::CSplashScreen(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background,
                             const CRect& toDisplay, const CPoint& offset)
    : CControl(size, listener, tag, background), toDisplay(toDisplay), offset(offset)
{
}

void CSplashScreen::draw(CDrawContext* context)
{
    if (value != 0 && background)
    {
        if (transparent)
            background->drawTransparent(context, toDisplay, offset);
        else
            background->draw(context, toDisplay, offset);
    }
    setDirty(false);
}

void CSplashScreen::mouse(CDrawContext* context, CPoint&, int32_t buttons)
{
    if (!mouseEnabled || !(resolveButtons(buttons) & kMouseLeft))
        return;
    if (value != 0)
    {
        unSplash();
        return;
    }
    value = 1;
    closedSize = size;
    enlarged = true;
    setViewSize(toDisplay);
    if (listener)
        listener->valueChanged(context, this);
}

void CSplashScreen::unSplash()
{
    if (enlarged)
    {
        enlarged = false;
        setViewSize(closedSize);
        if (frame)
            frame->setDirty(true);
    }
    if (value == 0)
        return;
    value = 0;
    if (listener)
        listener->valueChanged(nullptr, this);
}

bool CSplashScreen::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CSplashScreen") == 0 || CControl::isTypeOf(type);
}
