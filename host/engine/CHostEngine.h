#pragma once
// The engine stand-in as one object: its token service, namespace, settings and plug-in
// services. The exported C functions route to it; the host program reaches it directly.

#include "CEngineSettings.h"
#include "CPlugInServices.h"
#include "CSharedDataNamespace.h"
#include "CTokenService.h"

class CHostEngine
{
public:
    static CHostEngine& Instance();

    CTokenService& Tokens() { return fTokens; }
    CSharedDataNamespace& Names() { return fNames; }
    CEngineSettings& Settings() { return fSettings; }
    IPlugInServices& Services() { return fServices; }

private:
    CHostEngine() : fServices(fSettings) {}

    CTokenService fTokens;
    CSharedDataNamespace fNames;
    CEngineSettings fSettings;
    CPlugInServices fServices;
};
