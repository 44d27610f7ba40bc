#include "CTextEdit.h"

#include "CControlListener.h"
#include "CFrame.h"
#include "MouseButtons.h"

#include <cstring>

CTextEdit::CTextEdit(const CRect& size, CControlListener* listener, int32_t tag, const char* text,
                     CBitmap* background, int32_t style)
    : CTextLabel(size, text, background, style)
{
    setListener(listener);
    setTag(tag);
}

void CTextEdit::mouse(CDrawContext*, CPoint&, int32_t buttons)
{
    if (!frame || !(resolveButtons(buttons) & kMouseLeft))
        return;
    textBeforeEditing = text;
    frame->setFocusView(this);
}

void CTextEdit::endEditing()
{
    if (frame && frame->getFocusView() == this)
        frame->setFocusView(nullptr);
}

int32_t CTextEdit::onKeyDown(VstKeyCode& key)
{
    switch (key.virt)
    {
    case kVirtualReturn:
        endEditing();
        beginEdit();
        if (listener)
            listener->valueChanged(nullptr, this);
        endEdit();
        return 1;
    case kVirtualEscape:
        setText(textBeforeEditing.c_str());
        endEditing();
        return 1;
    case kVirtualBack:
        if (!text.empty())
            setText(text.substr(0, text.size() - 1).c_str());
        return 1;
    default:
        break;
    }
    if (key.character < 0x20 || key.character > 0x7E)
        return -1;
    if (text.size() < kMaxLength)
        setText((text + static_cast<char>(key.character)).c_str());
    return 1;
}

bool CTextEdit::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CTextEdit") == 0 || CTextLabel::isTypeOf(type);
}
