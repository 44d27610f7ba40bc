#include "QVControlGestures.h"

#include "CControl.h"
#include "CControlListener.h"
#include "CFrame.h"
#include "MouseButtons.h"

namespace
{
constexpr float kWheelStep = 0.035f;
constexpr float kFineWheelStep = 0.00875f;
} // namespace

bool QVControlGestures::isFine(int32_t buttons)
{
    return (buttons & kMouseCommand) != 0;
}

bool QVControlGestures::offerModifierClick(CControl& control, CDrawContext* context, int32_t buttons)
{
    CControlListener* listener = control.getListener();
    return listener && (buttons & kMouseModifiers) && listener->controlModifierClicked(context, &control, buttons) != 0;
}

bool QVControlGestures::handleModifierClick(CControl& control, CDrawContext* context, int32_t buttons)
{
    if (offerModifierClick(control, context, buttons))
        return true;
    if (!(buttons & kMouseOption))
        return false;
    control.checkDefaultValue(context, kDefaultValueButtons);
    return true;
}

bool QVControlGestures::wheel(CControl& control, CDrawContext* context, float distance)
{
    if (!control.getMouseEnabled())
        return false;
    const int32_t buttons = control.getFrame() ? control.getFrame()->getCurrentMouseButtons() : 0;
    control.setValue(control.getValue() + distance * (isFine(buttons) ? kFineWheelStep : kWheelStep));
    control.bounceValue();
    if (control.isDirty() && control.getListener())
    {
        control.beginEdit();
        control.getListener()->valueChanged(context, &control);
        control.endEdit();
    }
    return true;
}
