// A view with a value in [minimum, maximum], a tag and a listener told of its changes. It counts
// as dirty while the value differs from the value last drawn (the old value) or while marked.
#pragma once

#include "CView.h"

class CControlListener;

class CControl : public CView
{
public:
    CControl(const CRect& size, CControlListener* listener = nullptr, int32_t tag = 0, CBitmap* background = nullptr);

    virtual void setValue(float newValue) { value = newValue; }
    virtual float getValue() const { return value; }
    virtual void setMin(float newMin) { minimum = newMin; }
    virtual float getMin() const { return minimum; }
    virtual void setMax(float newMax) { maximum = newMax; }
    virtual float getMax() const { return maximum; }
    virtual void setOldValue(float newOldValue) { oldValue = newOldValue; }
    virtual float getOldValue() const { return oldValue; }
    virtual void setDefaultValue(float newDefault) { defaultValue = newDefault; }
    virtual float getDefaultValue() const { return defaultValue; }
    virtual void setTag(int32_t newTag) { tag = newTag; }
    int32_t getTag() const { return tag; }
    void setListener(CControlListener* newListener) { listener = newListener; }
    CControlListener* getListener() const { return listener; }

    // Clamps the value into [minimum, maximum].
    virtual void bounceValue();
    bool isDirty() const override;
    // Clearing also takes the value as drawn (the old value becomes the value).
    void setDirty(bool value = true) override;
    // With the default-value buttons (kDefaultValueButtons) the value becomes the default and the
    // listener is told within an edit; answers whether that happened.
    virtual bool checkDefaultValue(CDrawContext* context, int32_t buttons);

    // Tell the frame's editor that a gesture on this control starts or ends.
    void beginEdit();
    void endEdit();
    // Tells the listener when the value has changed since it was last drawn.
    void reportIfChanged(CDrawContext* context);

    bool isTypeOf(const char* type) const override;

protected:
    CControlListener* listener;
    int32_t tag;
    float value = 0;
    float minimum = 0;
    float maximum = 1;
    float defaultValue = 0.5f;
    float oldValue = -1;
};
