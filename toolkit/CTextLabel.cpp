#include "CTextLabel.h"

#include <cstring>

CTextLabel::CTextLabel(const CRect& size, const char* text, CBitmap* background, int32_t style)
    : CParamDisplay(size, background, style), text(text ? text : "")
{
}

void CTextLabel::setText(const char* newText)
{
    const char* shown = newText ? newText : "";
    if (text == shown)
        return;
    text = shown;
    setDirty(true);
}

bool CTextLabel::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CTextLabel") == 0 || CParamDisplay::isTypeOf(type);
}
