#include "PTAdapterGroupLifetime.h"

#include "CDAEError.h"
#include "CProcessGroup.h"
#include "DAEErrorCodes.h"

namespace
{
constexpr SInt16 kNoGroupCreated = -7003;

SInt16 CreateAndInitializeGroup()
{
    gProcessGroup = CProcessGroup::CreateProcessGroup();
    if (gProcessGroup == nullptr)
        return kNoGroupCreated;
    gProcessGroup->Initialize();
    return SInt16(kDAE_NoError);
}
} // namespace

SInt16 PTAdapterCreateGroup()
{
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

void PTAdapterDeleteGroup()
{
    try
    {
        delete gProcessGroup;
    }
    catch (...)
    {
    }
    gProcessGroup = nullptr;
}
