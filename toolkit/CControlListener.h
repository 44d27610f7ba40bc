// Receives the changes a control makes to its value.
#pragma once

#include <cstdint>

class CControl;
class CDrawContext;

class CControlListener
{
public:
    virtual ~CControlListener() = default;
    virtual void valueChanged(CDrawContext* context, CControl* control) = 0;
    // Offered a click made with modifier keys; non-zero takes the click over.
    virtual int32_t controlModifierClicked(CDrawContext*, CControl*, int32_t) { return 0; }
};
