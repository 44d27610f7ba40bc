#include "CHostPlugIn.h"

#include "CDAEError.h"
#include "DAECalls.h"

CHostPlugIn::CHostPlugIn(const SPlugInIDRecord& id, const SRTASInstanceDescriptor& descriptor, FicRenderWorker worker)
    : fID(id), fDescriptor(descriptor), fBlock{{}, &fDescriptor}
{
    if (worker == nullptr)
        return;
    ThrowOnErr(gDAE.FicRegisterRTASInstance(&fBlock, worker));
    fRegistered = true;
}

// After this the engine calls the worker no more.
CHostPlugIn::~CHostPlugIn()
{
    if (fRegistered)
        gDAE.FicUnregisterRTASInstance(&fBlock);
}
