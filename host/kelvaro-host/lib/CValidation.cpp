#include "CValidation.h"

#include "StereoType.h"

CRoutineTable& CValidation::Routines()
{
    if (fModule == nullptr)
    {
        fModule = std::make_unique<CPlugInModule>(fBundle);
        fType = FindStereoRealTimeType(fModule->Routines());
    }
    return fModule->Routines();
}

OSType CValidation::Type()
{
    Routines();
    return fType;
}

SInt32 CValidation::RandomIn(SInt32 lowest, SInt32 highest)
{
    return std::uniform_int_distribution<SInt32>(lowest, highest)(fRandom);
}

std::string Mismatch(const std::string& call, ComponentResult code, ComponentResult expected)
{
    return call + " answered " + std::to_string(code) + ", not " + std::to_string(expected);
}
