#pragma once
// The graphics port the host hands to PI_SetViewPort: the plug-in window's port. Its first word
// is the window that owns it, a toolkit window (CWindow: an offscreen image window or an X11
// window) that the plug-in's editor opens in; the rest is the host's.

class CWindow;

struct SHostGrafPort
{
    CWindow* fWindow;
};
