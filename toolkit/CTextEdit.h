// A text the user can type: a click gives it the keyboard, Return reports the text to the
// listener, Escape brings back the text it had.
#pragma once

#include "CTextLabel.h"

#include <cstddef>

class CTextEdit : public CTextLabel
{
public:
    static constexpr size_t kMaxLength = 255;

    CTextEdit(const CRect& size, CControlListener* listener, int32_t tag, const char* text = nullptr,
              CBitmap* background = nullptr, int32_t style = 0);

    void mouse(CDrawContext* context, CPoint& where, int32_t buttons = -1) override;
    int32_t onKeyDown(VstKeyCode& key) override;
    bool isTypeOf(const char* type) const override;

private:
    void endEditing();

    std::string textBeforeEditing;
};
