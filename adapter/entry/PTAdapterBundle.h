#pragma once
// The module's entry pair as the host loads a bundle: the reference is the bundle folder's
// absolute path, kept by the host until after the close; the library holds it meanwhile
// (CProcessGroup::GetBundleReference).

#include "HostTypes.h"

#define PT_ADAPTER_EXPORT extern "C" __attribute__((visibility("default")))

PT_ADAPTER_EXPORT SInt16 NewMachOPlugIn(const char* bundleReference);
PT_ADAPTER_EXPORT void CloseMachOPlugIn();
