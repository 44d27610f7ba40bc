#include "QVEditor.h"

#include "CDrawContext.h"
#include "CFrame.h"
#include "CTextEdit.h"
#include "QVEffect.h"
#include "QVString.h"

#include <algorithm>

namespace
{
constexpr int32_t kTextLength = 255;
constexpr uint32_t kRefreshIntervalTicks = 20;
} // namespace

QVEditor::QVEditor(QVEffect* effect)
    : PluginGUIEditor(nullptr), effect(effect), parameterCount(effect->getParameterCount()),
      highlights(std::make_unique<int32_t[]>(static_cast<size_t>(std::max(parameterCount, 0))))
{
    setKnobMode(kKnobLinear);
}

QVEditor::~QVEditor()
{
    // A frame left open would outlive the editor it reports to.
    if (frame)
        QVEditor::close();
}

bool QVEditor::open(void* window)
{
    lastUpdateCounter = -1;
    PluginGUIEditor::open(window); // first, so the clock is the window's own
    lastIdleTicks = getTicks();
    return true;
}

void QVEditor::close()
{
    clearControls();
    CFrame* closing = frame;
    frame = nullptr;
    delete closing;
    PluginGUIEditor::close();
}

void QVEditor::idle()
{
    const uint32_t now = getTicks();
    if (now - lastIdleTicks > kRefreshIntervalTicks)
    {
        updateEditor();
        lastIdleTicks = now;
    }
    PluginGUIEditor::idle();
}

void QVEditor::draw(ERect* area)
{
    if (!frame)
        return;
    const bool inside = area && area->left >= rect.left && area->right <= rect.right && area->top >= rect.top &&
                        area->bottom <= rect.bottom;
    PluginGUIEditor::draw(inside ? area : nullptr);
}

void QVEditor::doIdleStuff()
{
    if (!effect->doIdle())
        PluginGUIEditor::doIdleStuff();
}

void QVEditor::beginEdit(int32_t index)
{
    effect->sendCallback(QVEffect::kCallbackBeginEdit, index, 0, nullptr, 0);
}

void QVEditor::endEdit(int32_t index)
{
    effect->sendCallback(QVEffect::kCallbackEndEdit, index, 0, nullptr, 0);
}

QVEffect* QVEditor::getQVEffect()
{
    return effect;
}

bool QVEditor::isOpen()
{
    return systemWindow != nullptr;
}

void QVEditor::addControl(CFrame* target, CControl* control)
{
    if (!target || !control)
        return;
    controls.push_back(control);
    const int32_t tag = control->getTag();
    if (isParameterTag(tag))
    {
        const int32_t index = indexOf(tag);
        const float defaultValue = effect->getParameterDefault(index);
        control->setDefaultValue(isInverted(tag) ? 1 - defaultValue : defaultValue);
        if (index < parameterCount)
            setControlHighlight(index, highlights[index]);
    }
    target->addView(control);
}

void QVEditor::clearControls()
{
    controls.clear();
}

int32_t QVEditor::mouse(int32_t x, int32_t y)
{
    if (frame)
    {
        CDrawContext context(frame, systemWindow);
        CPoint where(x, y);
        frame->mouse(&context, where, -1);
    }
    return 1;
}

void QVEditor::updateEditor()
{
    const int32_t counter = effect->getUpdateCounter();
    const bool parametersChanged = counter != lastUpdateCounter;
    if (frame)
    {
        for (CControl* control : controls)
        {
            const int32_t tag = control->getTag();
            if (tag < 0)
                continue;
            if (tag & kTagMeter)
                setControlFromMeter(indexOf(tag), control);
            else if (tag & kTagClip)
                setControlFromClip(indexOf(tag), control);
            else if (parametersChanged)
                setControlFromParameter(indexOf(tag), control);
        }
        if (parametersChanged)
            for (int32_t i = 0; i < effect->getParameterCount(); ++i)
                setParameter(i, effect->getParameter(i));
    }
    lastUpdateCounter = counter;
}

void QVEditor::resizeWindow(int32_t width, int32_t height, bool notifyHost)
{
    if (isOpen() && notifyHost)
        effect->sendCallback(QVEffect::kCallbackResizeWindow, (width << 16) | (height & 0xFFFF), 0, nullptr, 0);
    rect.right = static_cast<int16_t>(rect.left + width);
    rect.bottom = static_cast<int16_t>(rect.top + height);
}

float QVEditor::getParameterFromControl(int32_t index, CControl* control)
{
    if (control->isTypeOf("CTextEdit"))
    {
        char text[kTextLength + 1];
        qv_strncpy(text, static_cast<CTextEdit*>(control)->getText(), kTextLength, 0);
        return effect->getParameterFromString(index, text);
    }
    return isInverted(control->getTag()) ? 1 - control->getValue() : control->getValue();
}

void QVEditor::showOnControl(CControl* control, const char* text, float value)
{
    if (control->isTypeOf("CTextLabel"))
        static_cast<CTextLabel*>(control)->setText(text); // redraws when the text changes
    else
        control->setValue(isInverted(control->getTag()) ? 1 - value : value);
}

void QVEditor::setControlFromParameter(int32_t index, CControl* control)
{
    char text[kTextLength + 1];
    effect->getParameterValueUnitString(index, text, kTextLength);
    showOnControl(control, text, effect->getParameter(index));
}

void QVEditor::setControlFromMeter(int32_t index, CControl* control)
{
    char text[kTextLength + 1];
    effect->getMeterValueUnitString(index, text, kTextLength);
    showOnControl(control, text, effect->getMeter(index));
}

void QVEditor::setControlFromClip(int32_t index, CControl* control)
{
    constexpr int32_t kClipped = 2;
    const float clipped = effect->getClip(index) == kClipped ? 1.0f : 0.0f;
    control->setValue(isInverted(control->getTag()) ? 1 - clipped : clipped);
}

int32_t QVEditor::getParameterIndexFromPoint(int32_t x, int32_t y)
{
    for (CControl* control : controls)
    {
        const CRect& area = control->getViewSize();
        const int32_t tag = control->getTag();
        const bool hit = x >= area.left && x <= area.right && y >= area.top && y <= area.bottom;
        // The whole tag is compared, so flagged tags are never found.
        if (hit && isParameterTag(tag) && tag < parameterCount)
            return indexOf(tag);
    }
    return -1;
}

void QVEditor::setControlHighlight(int32_t index, int32_t code)
{
    const CColor colour = getHighlightColor(code);
    for (CControl* control : controls)
    {
        const int32_t tag = control->getTag();
        if (isParameterTag(tag) && indexOf(tag) == index && control->isTypeOf("CParamDisplay"))
            static_cast<CParamDisplay*>(control)->setFontColor(colour);
    }
    if (index >= 0 && index < parameterCount)
        highlights[index] = code;
}

CColor QVEditor::getHighlightColor(int32_t code)
{
    switch (code)
    {
    case kHighlightRed:
        return {255, 0, 0, 255};
    case kHighlightGreen:
        return {0, 255, 0, 255};
    case kHighlightBlue:
        return {0, 153, 255, 255};
    case kHighlightYellow:
        return {255, 204, 0, 255};
    default:
        return kWhiteCColor;
    }
}

void QVEditor::valueChanged(CDrawContext*, CControl* control)
{
    const int32_t tag = control->getTag();
    if (tag < 0 || (tag & kTagMeter))
        return;
    if (tag & kTagClip)
    {
        effect->resetClips();
        return;
    }
    const int32_t index = indexOf(tag);
    effect->sendCallback(QVEffect::kCallbackSetParameter, index, getParameterFromControl(index, control), nullptr, 0);
}

bool QVEditor::onKeyDown(VstKeyCode& key)
{
    return frame && frame->onKeyDown(key) == 1;
}

bool QVEditor::onKeyUp(VstKeyCode& key)
{
    return frame && frame->onKeyUp(key) == 1;
}
