// The information panel while it is open: the splash control's bitmap with its text line; a
// click closes it and lets the whole frame redraw.
#pragma once

#include "CView.h"

class CQVVersionSplashScreen;

class CQVVersionSplashScreenView : public CView
{
public:
    CQVVersionSplashScreenView(const CRect& size, CQVVersionSplashScreen* splash);

    void draw(CDrawContext* context) override;
    // Releases the panel: the frame deletes it when the click is done.
    void mouse(CDrawContext* context, CPoint& where, int32_t buttons = -1) override;

private:
    void drawPanel(CDrawContext* context);

    CQVVersionSplashScreen* splash; // not owned
};
