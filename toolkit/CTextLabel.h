// A read-out that shows a text of its own.
#pragma once

#include "CParamDisplay.h"

class CTextLabel : public CParamDisplay
{
public:
    CTextLabel(const CRect& size, const char* text = nullptr, CBitmap* background = nullptr, int32_t style = 0);

    // Marks the label dirty only when the text changes, so an unchanged read-out costs nothing.
    virtual void setText(const char* newText);
    const char* getText() const { return text.c_str(); }
    bool isTypeOf(const char* type) const override;

protected:
    std::string displayText() const override { return text; }

    std::string text;
};
