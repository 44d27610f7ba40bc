#pragma once
// The view the process places in the host's plug-in view: the host's drawing and clicks there
// go to the editor host.

#include "CCustomView.h"

class IPTAdapterUI;

// The view kind's name, and the description that makes one.
constexpr const char* kPTAdapterViewKind = "PTAdapterView";
constexpr const char* kPTAdapterViewDescription = "!PTAdapterView[('NoID')]";

class CPTAdapterView : public CCustomView
{
public:
    // Not owned; null forwards nothing.
    void SetCustomUI(IPTAdapterUI* ui);
    void DrawContents(Rect* area) override;
    bool MouseCommand(EventRecord* event) override;

private:
    IPTAdapterUI* customUI = nullptr;
};

CPTAdapterView* CreateCPTAdapterView();
// Registers the kind with the library's view system, CreateCPTAdapterView as its creator.
void AddPTAdapterViewKind();
