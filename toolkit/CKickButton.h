// A momentary button drawn from a strip of two frames (up above pressed): pressed while the mouse
// is held on it; it reports the press and the release.
#pragma once

#include "BitmapStrip.h"
#include "CControl.h"

class CKickButton : public CControl
{
public:
    CKickButton(const CRect& size, CControlListener* listener, int32_t tag, int32_t frameHeight, CBitmap* background,
                const CPoint& offset = {});

    void draw(CDrawContext* context) override;
    void mouse(CDrawContext* context, CPoint& where, int32_t buttons = -1) override;
    bool isTypeOf(const char* type) const override;

private:
    void show(CDrawContext* context, float newValue);

    BitmapStrip strip;
    CPoint offset;
};
