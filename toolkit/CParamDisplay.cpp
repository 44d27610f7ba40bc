#include "CParamDisplay.h"

#include "CBitmap.h"
#include "CDrawContext.h"

#include <cstdio>
#include <cstring>

CParamDisplay::CParamDisplay(const CRect& size, CBitmap* background, int32_t style)
    : CControl(size, nullptr, 0, background), style(style)
{
}

void CParamDisplay::setFontColor(const CColor& colour)
{
    if (colour == fontColor)
        return;
    fontColor = colour;
    setDirty(true);
}

std::string CParamDisplay::displayText() const
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(value));
    return text;
}

void CParamDisplay::draw(CDrawContext* context)
{
    if (!transparent)
    {
        context->setFillColor(backColor);
        context->fillRect(size);
    }
    if (background)
        background->draw(context, size);
    if (!(style & kStyleNoFrame))
    {
        context->setFrameColor(frameColor);
        context->drawRect(size);
    }
    context->setFont(font, 0, textFace);
    context->setFontColor(fontColor);
    context->drawString(displayText().c_str(), size, false, horizontalAlignment);
    setDirty(false);
}

bool CParamDisplay::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CParamDisplay") == 0 || CControl::isTypeOf(type);
}
