#pragma once
// The engine stand-in as one object: its token service, namespace, settings, plug-in
// services and real-time engine. The exported C functions route to it; the host program reaches it directly.

#include "CEngineSettings.h"
#include "CPlugInServices.h"
#include "CRealTimeEngine.h"
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
    CRealTimeEngine& RealTime() { return fRealTime; }

private:
    CHostEngine() : fServices(fSettings) {}

    CTokenService fTokens;
    CSharedDataNamespace fNames;
    CEngineSettings fSettings;
    CPlugInServices fServices;
    CRealTimeEngine fRealTime;
};
