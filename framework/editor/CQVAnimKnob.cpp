#include "CQVAnimKnob.h"

#include "CFrame.h"
#include "MouseButtons.h"
#include "PluginGUIEditor.h"
#include "QVControlGestures.h"

#include <cstring>

namespace
{
// Share of the range one pixel of linear travel moves.
float linearCoefficient(float range, int32_t buttons)
{
    return range / (QVControlGestures::isFine(buttons) ? 800.0f : 200.0f);
}
} // namespace

CQVAnimKnob::CQVAnimKnob(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background,
                         const CPoint& offset)
    : CAnimKnob(size, listener, tag, background, offset)
{
}

CQVAnimKnob::CQVAnimKnob(const CRect& size, CControlListener* listener, int32_t tag, int32_t frameCount,
                         int32_t frameHeight, CBitmap* background, const CPoint& offset)
    : CAnimKnob(size, listener, tag, frameCount, frameHeight, background, offset)
{
}

void CQVAnimKnob::draw(CDrawContext* context)
{
    drawStripFrame(context, getStrip().frameNearest(shownValue()));
    updateHandlePoint();
    setDirty(false);
}

void CQVAnimKnob::mouse(CDrawContext* context, CPoint& where, int32_t buttons)
{
    if (!mouseEnabled || !frame)
        return;
    buttons = resolveButtons(buttons);
    if (!(buttons & kMouseLeft) || QVControlGestures::handleModifierClick(*this, context, buttons))
        return;

    const float range = maximum - minimum;
    const float half = range * 0.5f;
    const bool linear = frame->getKnobMode() == kKnobLinear;
    const CPoint first = where;
    float entry = value;
    float start = oldValue;
    float coefficient = linearCoefficient(range, buttons);
    if (!linear)
        start = valueFromPoint(relativeToView(where));

    CPoint last(-1, -1);
    beginEdit();
    int32_t rememberedButtons = buttons;
    while ((buttons = frame->getCurrentMouseButtons()) & kMouseLeft)
    {
        if (where != last)
        {
            last = where;
            if (linear)
            {
                // Right or up increases the value.
                const auto travel = static_cast<float>((where.h - first.h) - (where.v - first.v));
                if (buttons != rememberedButtons)
                {
                    // Fine mode switched: rebase so the value carries on from where it is.
                    const float newCoefficient = linearCoefficient(range, buttons);
                    entry += (coefficient - newCoefficient) * travel;
                    coefficient = newCoefficient;
                    rememberedButtons = buttons;
                }
                value = entry + travel * coefficient;
                bounceValue();
            }
            else
            {
                const float pointed = valueFromPoint(relativeToView(where));
                // A jump of more than half the range pins the value to the end it came from.
                if (start - pointed > half)
                    value = maximum;
                else if (pointed - start > half)
                    value = minimum;
                else
                    value = start = pointed;
            }
            reportIfChanged(context);
        }
        frame->getCurrentMouseLocation(where);
        frame->doIdleStuff();
    }
    endEdit();
}

bool CQVAnimKnob::onWheel(CDrawContext* context, const CPoint&, float distance)
{
    return QVControlGestures::wheel(*this, context, distance);
}

bool CQVAnimKnob::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CQVAnimKnob") == 0 || CAnimKnob::isTypeOf(type);
}
