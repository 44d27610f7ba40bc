#include "CQVVersionSplashScreenView.h"

#include "CBitmap.h"
#include "CDrawContext.h"
#include "CFrame.h"
#include "CQVVersionSplashScreen.h"
#include "MouseButtons.h"

namespace
{
constexpr int32_t kTextWidth = 200;
constexpr int32_t kTextHeight = 16;
constexpr int32_t kTextBufferLength = 511;
} // namespace

CQVVersionSplashScreenView::CQVVersionSplashScreenView(const CRect& size, CQVVersionSplashScreen* splash)
    : CView(size), splash(splash)
{
    setTransparency(splash->getTransparency());
    setBackground(splash->getBackground());
}

void CQVVersionSplashScreenView::drawPanel(CDrawContext* context)
{
    if (!background)
        return;
    const CPoint& offset = splash->getOffset();
    if (!transparent)
        background->draw(context, size, offset);
    else if (splash->getAlphaValue() != 0)
        background->drawAlphaBlend(context, size, offset, splash->getAlphaValue());
    else
        background->drawTransparent(context, size, offset);
}

void CQVVersionSplashScreenView::draw(CDrawContext* context)
{
    drawPanel(context);
    const CPoint textOffset = splash->getTextOffset();
    const int32_t left = size.left + textOffset.h;
    const int32_t top = size.top + textOffset.v;
    char text[kTextBufferLength + 1];
    splash->getText(text, kTextBufferLength);
    context->setFont(splash->getTextFont(), 0, splash->getTextFace());
    context->setFontColor(splash->getTextColor());
    context->drawString(text, CRect(left, top, left + kTextWidth, top + kTextHeight), false, kAlignLeft);
    setDirty(false);
}

void CQVVersionSplashScreenView::mouse(CDrawContext*, CPoint&, int32_t buttons)
{
    if (!frame || !(resolveButtons(buttons) & kMouseLeft))
        return;
    splash->unSplash();
    frame->setDirty(true);
    frame->setModalView(nullptr); // the last reference: this view is gone from here on
}
