#include "CPluginControlManager.h"

#include "CDAEError.h"
#include "DAEErrorCodes.h"

void CPluginControlManager::AddControl(CPluginControl* control)
{
    FailNIL(control);
    fControls.emplace_back(control);
}

CPluginControl* CPluginControlManager::GetControl(int index) const
{
    FailInvalidControlIndex(index);
    return fControls[size_t(index - 1)].get();
}

bool CPluginControlManager::IsValidControlIndex(SInt32 index) const
{
    return index >= 1 && index <= GetNumControls();
}

int CPluginControlManager::GetNumControls() const
{
    return int(fControls.size());
}

void CPluginControlManager::FailInvalidControlIndex(SInt32 index) const
{
    if (!IsValidControlIndex(index))
        throw CDAEError(kDAE_InvalidControlIndex);
}
