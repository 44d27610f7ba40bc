#include "PTAdapterBundle.h"

#include "CDAEError.h"
#include "CProcessGroup.h"
#include "DAEErrorCodes.h"

namespace
{
constexpr SInt16 kNoGroupCreated = -7003;

const char* gBundleReference = nullptr;  // not owned: the host keeps it alive

// The group's own answer is not the entry's: a loaded group reports its state per routine.
SInt16 CreateAndInitializeGroup()
{
    gProcessGroup = CProcessGroup::CreateProcessGroup();
    if (gProcessGroup == nullptr)
        return kNoGroupCreated;
    gProcessGroup->Initialize();
    return SInt16(kDAE_NoError);
}
} // namespace

const char* PTAdapterBundleReference()
{
    return gBundleReference;
}

PT_ADAPTER_EXPORT SInt16 NewMachOPlugIn(const char* bundleReference)
{
    gBundleReference = bundleReference;
    try
    {
        return CreateAndInitializeGroup();
    }
    catch (const CDAEError& error)
    {
        return SInt16(error.Code());
    }
    catch (...)
    {
        return SInt16(kDAE_UnexpectedException);
    }
}

PT_ADAPTER_EXPORT void CloseMachOPlugIn()
{
    gBundleReference = nullptr;
    try
    {
        delete gProcessGroup;
    }
    catch (...)
    {
    }
    gProcessGroup = nullptr;
}
