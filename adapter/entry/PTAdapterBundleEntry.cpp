#include "PTAdapterBundle.h"

#include "AdapterModuleHandle.h"
#include "CProcessGroup.h"
#include "PTAdapterGroupLifetime.h"

// This platform's allocator has no zones of its own, so the entry has none to clear or enter.

PT_ADAPTER_EXPORT SInt16 NewMachOPlugIn(const char* bundleReference)
{
    CProcessGroup::SetBundleReference(bundleReference);
    // A bundle has no instance handle; an address inside the module's own image stands for it,
    // since that is what finds the loaded library's file, and with it the bundle's resources.
    gPTAdapterModuleHandle = reinterpret_cast<void*>(&NewMachOPlugIn);
    return PTAdapterCreateGroup();
}

PT_ADAPTER_EXPORT void CloseMachOPlugIn()
{
    PTAdapterDeleteGroup();
    gPTAdapterModuleHandle = nullptr;
    CProcessGroup::SetBundleReference(nullptr);
}
