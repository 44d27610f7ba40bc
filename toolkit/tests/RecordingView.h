// A view painted in one colour that records how it is drawn and clicked and when it goes away.
#pragma once

#include "CBitmap.h"
#include "CView.h"
#include "TestBitmaps.h"

struct RecordingView : CView
{
    int32_t draws = 0;
    int32_t clicks = 0;
    int32_t lastButtons = 0;
    bool* deleted;

    RecordingView(const CRect& size, const CColor& colour, bool* deleted = nullptr) : CView(size), deleted(deleted)
    {
        CBitmap* bitmap = makeSolid(size.width(), size.height(), colour);
        setBackground(bitmap);
        bitmap->forget();
    }
    ~RecordingView() override
    {
        if (deleted)
            *deleted = true;
    }

    void draw(CDrawContext* context) override
    {
        ++draws;
        CView::draw(context);
    }
    void mouse(CDrawContext*, CPoint&, int32_t buttons) override
    {
        ++clicks;
        lastButtons = buttons;
    }
};
