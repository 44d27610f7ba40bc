#pragma once
// The plug-in services object the engine hands to plug-ins.

#include "FicInterface.h"

class CEngineSettings;

class CPlugInServices : public IPlugInServices
{
public:
    explicit CPlugInServices(CEngineSettings& settings) : fSettings(settings) {}

    SInt32 GetVersion() override;
    FicCriticalSectionRef CreateCriticalSection() override;
    bool TryToEnterCriticalSection(FicCriticalSectionRef section) override;

private:
    CEngineSettings& fSettings;
};
