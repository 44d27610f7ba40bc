#include "CQVVersionSplashScreen.h"

#include "CControlListener.h"
#include "CFrame.h"
#include "CQVVersionSplashScreenView.h"
#include "MouseButtons.h"
#include "QVControlGestures.h"
#include "QVString.h"

#include <cstring>

CQVVersionSplashScreen::CQVVersionSplashScreen(const CRect& size, CControlListener* listener, int32_t tag,
                                               CBitmap* background, const CRect& toDisplay, const CPoint& offset)
    : CSplashScreen(size, listener, tag, background, toDisplay, offset)
{
}

void CQVVersionSplashScreen::getText(char* buffer, int32_t maxLen) const
{
    qv_strncpy(buffer, text, maxLen, 0);
}

void CQVVersionSplashScreen::setText(const char* newText)
{
    qv_strncpy(text, newText, kMaxTextLength, 0);
}

void CQVVersionSplashScreen::mouse(CDrawContext* context, CPoint&, int32_t buttons)
{
    if (!mouseEnabled)
        return;
    buttons = resolveButtons(buttons);
    if (QVControlGestures::offerModifierClick(*this, context, buttons) || !(buttons & kMouseLeft))
        return;
    value = value == 0 ? 1.0f : 0.0f;
    if (value == 0)
        return;
    auto* panel = new CQVVersionSplashScreenView(toDisplay, this);
    if (frame && frame->setModalView(panel))
    {
        if (listener)
            listener->valueChanged(context, this);
    }
    else
        value = 0; // no panel, so nothing is open
    panel->forget(); // the frame holds the panel while it is shown
    setDirty(true);
}

bool CQVVersionSplashScreen::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CQVVersionSplashScreen") == 0 || CSplashScreen::isTypeOf(type);
}
