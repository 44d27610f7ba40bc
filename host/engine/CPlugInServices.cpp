#include "CPlugInServices.h"

#include "CEngineSettings.h"
#include "CFicCriticalSection.h"

SInt32 CPlugInServices::GetVersion()
{
    return fSettings.fPlugInServicesVersion;
}

FicCriticalSectionRef CPlugInServices::CreateCriticalSection()
{
    return reinterpret_cast<FicCriticalSectionRef>(new CFicCriticalSection);
}

bool CPlugInServices::TryToEnterCriticalSection(FicCriticalSectionRef section)
{
    return section != nullptr && reinterpret_cast<CFicCriticalSection*>(section)->TryEnter();
}
