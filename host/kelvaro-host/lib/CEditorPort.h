#pragma once
// The plug-in window of one process: a toolkit window of the size the process asks for, its
// port handed to the process, drawing and clicks sent through the routine table.

#include <memory>
#include <string>

#include "CHostProcess.h"
#include "SHostGrafPort.h"

class COffscreenWindow;
class CXcbWindow;
class CWindow;

class CEditorPort
{
public:
    enum class EKind
    {
        eOffscreen,
        eX11
    };

    // Asks the process for its view's rectangle; a process without a view gets a 1 x 1 window.
    explicit CEditorPort(CHostProcess& process, EKind kind = EKind::eOffscreen);
    ~CEditorPort();
    CEditorPort(const CEditorPort&) = delete;
    CEditorPort& operator=(const CEditorPort&) = delete;

    // Throw CHostError when the process refuses.
    void Attach();
    void Detach();
    bool HasView() const { return fHasView; }
    SInt32 Width() const { return fViewRect.right - fViewRect.left; }
    SInt32 Height() const { return fViewRect.bottom - fViewRect.top; }

    ComponentResult Draw();
    // A click at the view's point (x, y).
    ComponentResult Click(SInt32 x, SInt32 y);
    // Offscreen windows only.
    bool SavePicture(const std::string& path) const;
    // X11 windows only: clicks and exposures go to the plug-in; false once the window was closed.
    bool ServeWindowEvents();

private:
    CHostProcess& fProcess;
    Rect fViewRect{};
    bool fHasView = false;
    bool fAttached = false;
    std::unique_ptr<CWindow> fWindow;
    COffscreenWindow* fOffscreen = nullptr;
    CXcbWindow* fX11 = nullptr;
    SHostGrafPort fPort{};
};
