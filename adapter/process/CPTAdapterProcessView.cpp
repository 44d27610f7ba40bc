// The editor in the host's plug-in window: the root view holding the adapter view, the port
// that opens and closes the editor, the view rectangle and the editor's resize requests.

#include "CNoResourceView.h"
#include "CPTAdapterProcess.h"
#include "CPTAdapterUI.h"
#include "CPTAdapterView.h"
#include "DAECalls.h"
#include "FicTokenGlobals.h"
#include "SFicSDSToken.h"
#include "WindowFromPort.h"

namespace
{
constexpr OSType kTokenWindowResize = FourCC("WNRS");
constexpr OSType kTokenProcessProtocol = FourCC("Proc");
} // namespace

void CPTAdapterProcess::CreateUI()
{
    ui.reset(CreateCPTAdapterUI(static_cast<IPTAdapterProcess*>(this)));
}

void CPTAdapterProcess::ReadEditorRect()
{
    ui->GetRect(&editorRect.left, &editorRect.top, &editorRect.right, &editorRect.bottom);
}

// The editor's rectangle starts at 0, 0, so its right and bottom are its width and height.
CPlugInView* CPTAdapterProcess::CreateCPlugInView()
{
    try
    {
        if (!ui)
        {
            CreateUI();
            ReadEditorRect();
        }
        auto root = std::make_unique<CNoResourceView>();
        root->SetSize(editorRect.right, editorRect.bottom);
        const Rect viewRect = {0, 0, editorRect.bottom, editorRect.right};
        adapterView = dynamic_cast<CPTAdapterView*>(root->AddView(kPTAdapterViewDescription, viewRect, true));
        if (adapterView != nullptr)
            adapterView->SetCustomUI(ui.get());
        return root.release();
    }
    catch (...)
    {
        ui.reset();
        adapterView = nullptr;
        return nullptr;
    }
}

// The editor closes whenever the port changes and opens again in the new port's window.
ComponentResult CPTAdapterProcess::SetViewPort(GrafPtr port)
{
    if (ui)
        ui->Close();
    hostPort = port;
    const ComponentResult result = CEffectProcess::SetViewPort(port);
    if (port == nullptr)
    {
        if (ui)
            ui->Close();
        if (adapterView != nullptr)
            adapterView->SetEnable(false);
        return result;
    }
    if (!ui)
        return result;
    ui->Open(GetWindowFromPort(port), 0, 0);
    if (adapterView != nullptr)
        adapterView->SetEnable(true);
    ui->Draw(editorRect.left, editorRect.top, editorRect.right, editorRect.bottom);
    return result;
}

ComponentResult CPTAdapterProcess::GetViewRect(Rect* rect)
{
    if (!ui)
        CreateUI();
    ReadEditorRect();
    *rect = editorRect;
    return 0;
}

// The host answers the window-size token by asking for the view rectangle again.
ComponentResult CPTAdapterProcess::ResizeWindow(SInt32 width, SInt32 height)
{
    if (adapterView != nullptr)
    {
        Rect viewRect = adapterView->GetRect();
        viewRect.right = SInt16(viewRect.left + width);
        viewRect.bottom = SInt16(viewRect.top + height);
        adapterView->SetRect(viewRect);
    }
    if (gOurTokenTask != nullptr)
        SendWindowSizeToken();
    return 0;
}

void CPTAdapterProcess::SendWindowSizeToken()
{
    FicSDSNameId processName = 0;
    GetProcessNameID(&processName);
    SFicSDSToken token = MakeTokenHead(processName, kTokenSetValue, kTokenWindowResize, sizeof(SFicSDSToken));
    token.fProtocol = kTokenProcessProtocol;
    gDAE.FicSDSDispatchToken(&token);
}
