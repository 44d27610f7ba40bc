#include "CEditorPort.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>

#include "CHostError.h"
#include "COffscreenWindow.h"
#include "CXcbWindow.h"

namespace
{
constexpr UInt16 kMouseDownEvent = 1;
constexpr UInt8 kEventTypeMask = 0x7F;
} // namespace

CEditorPort::CEditorPort(CHostProcess& process, EKind kind) : fProcess(process)
{
    process.Routines().GetViewRect(process.Type(), process.Index(), &fViewRect);
    fHasView = Width() > 0 && Height() > 0;
    const SInt32 width = std::max<SInt32>(Width(), 1), height = std::max<SInt32>(Height(), 1);
    if (kind == EKind::eOffscreen)
    {
        auto window = std::make_unique<COffscreenWindow>(width, height);
        fOffscreen = window.get();
        fWindow = std::move(window);
    }
    else
    {
        auto window = std::make_unique<CXcbWindow>(nullptr, width, height, "Kelvaro Host");
        if (!window->isOpen())
            throw std::runtime_error("no X11 display to open the plug-in window on");
        fX11 = window.get();
        fWindow = std::move(window);
    }
    fPort.fWindow = fWindow.get();
}

CEditorPort::~CEditorPort()
{
    Detach();
}

void CEditorPort::Attach()
{
    ThrowOnHostError(fProcess.Routines().SetViewPort(fProcess.Type(), fProcess.Index(),
                                                     reinterpret_cast<GrafPtr>(&fPort)),
                     "giving the plug-in its window");
    fAttached = true;
}

void CEditorPort::Detach()
{
    if (!fAttached)
        return;
    fAttached = false;
    fProcess.Routines().SetViewPort(fProcess.Type(), fProcess.Index(), nullptr);
}

ComponentResult CEditorPort::Draw()
{
    Rect area = fViewRect;
    return fProcess.Routines().Draw(fProcess.Type(), fProcess.Index(), &area);
}

ComponentResult CEditorPort::Click(SInt32 x, SInt32 y)
{
    EventRecord event{};
    event.what = kMouseDownEvent;
    event.where = {SInt16(y), SInt16(x)};
    return fProcess.Routines().DoMouseCommand(fProcess.Type(), fProcess.Index(), &event);
}

bool CEditorPort::SavePicture(const std::string& path) const
{
    return fOffscreen != nullptr && fOffscreen->savePng(path.c_str());
}

bool CEditorPort::ServeWindowEvents()
{
    xcb_connection_t* connection = fX11->getConnection();
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection))
    {
        const UInt8 type = event->response_type & kEventTypeMask;
        if (type == XCB_BUTTON_PRESS)
        {
            const auto* press = reinterpret_cast<xcb_button_press_event_t*>(event);
            fX11->getXcbSystem().notePress(*press);
            Click(press->event_x, press->event_y);
        }
        else if (type == XCB_EXPOSE)
            Draw();
        const bool closed = type == XCB_DESTROY_NOTIFY || type == XCB_UNMAP_NOTIFY;
        std::free(event);
        if (closed)
            return false;
    }
    return xcb_connection_has_error(connection) == 0;
}
