#pragma once
// A view of the library's view tree inside the host's plug-in window. A view owns its
// subviews; the port handed to a view reaches every view below it.

#include <memory>
#include <vector>

#include "HostRecords.h"

class CPlugInView
{
public:
    CPlugInView() = default;
    virtual ~CPlugInView() = default;
    CPlugInView(const CPlugInView&) = delete;
    CPlugInView& operator=(const CPlugInView&) = delete;

    virtual ComponentResult Initialize();
    // Draws this view's contents, then the enabled subviews that meet the area.
    virtual void Draw(Rect* area);
    virtual void DrawContents(Rect* area);
    // Offers the click to the enabled subview under the event's point, topmost first.
    virtual bool MouseCommand(EventRecord* event);
    virtual bool KeyCommand(EventRecord* event);
    virtual void SetViewPort(GrafPtr port);
    virtual void SetOrigin(Point origin);
    virtual void Activate(bool active);

    void SetEnable(bool enabled) { fEnabled = enabled; }
    bool IsEnabled() const { return fEnabled; }
    Rect GetRect() const { return fRect; }
    void SetRect(const Rect& rect) { fRect = rect; }
    GrafPtr GetViewPort() const { return fPort; }
    Point GetOrigin() const { return fOrigin; }
    bool IsActive() const { return fActive; }

    // Takes ownership.
    void AddSubview(CPlugInView* view);
    size_t GetNumSubviews() const { return fSubviews.size(); }
    CPlugInView* GetSubview(size_t index) const { return fSubviews[index].get(); }

private:
    Rect fRect = {};
    bool fEnabled = true;
    bool fActive = false;
    GrafPtr fPort = nullptr;
    Point fOrigin = {};
    std::vector<std::unique_ptr<CPlugInView>> fSubviews;
};
