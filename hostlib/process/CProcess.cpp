#include "CProcess.h"

#include "CDAEError.h"
#include "CPlugInView.h"
#include "CProcessGroupInterface.h"
#include "FicTokenGlobals.h"

SInt32 gInstanciationNum = 0;

CProcess::CProcess() : CProcess(CurrentGroupTiming()) {}

CProcess::CProcess(const SGroupTiming& timing)
    : fSampleRate(timing.fSampleRate), fFrameRate(timing.fFrameRate), fFrameOffset(timing.fFrameOffset),
      fRegistry(this, 0)
{
}

// A process deleted without Free must not leave listeners whose context points at it.
CProcess::~CProcess()
{
    CProcess::Free();
}

bool CProcess::HasTokenTask() const
{
    return fUsesTokens && gOurTokenTask != nullptr;
}

bool CProcess::IsRegistered(SInt32 index) const
{
    return HasTokenTask() && fRegistry.Holds(index);
}

CPluginControl* CProcess::FindControl(SInt32 index) const
{
    return fControls.IsValidControlIndex(index) ? fControls.GetControl(index) : nullptr;
}

ComponentResult CProcess::Initialize()
{
    ThrowOnErr(InitializeView());
    if (gOurTokenTask == nullptr)
        return 0;
    SInt16 numControls = 0;
    ThrowOnErr(GetNumControls(&numControls));
    fRegistry = CControlRegistry(this, numControls);
    fUsesTokens = true;
    try
    {
        ThrowOnErr(SetRootName(0));
        ThrowOnErr(RegisterControls());
        ThrowOnErr(RegisterListeners());
    }
    catch (...)
    {
        CProcess::Free();
        throw;
    }
    return 0;
}

ComponentResult CProcess::InitializeView()
{
    fView = CreateCPlugInView();
    if (fView == nullptr)
        return 0;
    const ComponentResult result = fView->Initialize();
    if (result != 0)
        DeleteView();
    return result;
}

void CProcess::DeleteView()
{
    delete fView;
    fView = nullptr;
}

ComponentResult CProcess::Free()
{
    DeleteView();
    if (!fUsesTokens)
        return 0;
    UnRegisterListeners();
    UnRegisterControls();
    UnRegisterRoot();
    fRegistry = CControlRegistry(this, 0);
    fUsesTokens = false;
    return 0;
}

void CProcess::AddControl(CPluginControl* control)
{
    fControls.AddControl(control);
}
