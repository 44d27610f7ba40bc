#include "CEngineSettings.h"

#include "FicErrors.h"

CEngineSettings::CEngineSettings()
    : fGestalts{{kFicGestaltSharedDataTokens, 1}, {kFicGestaltVariableQuantum, 1}}
{
}

void CEngineSettings::SetGestalt(OSType selector, SInt32 answer)
{
    std::lock_guard lock(fMutex);
    fGestalts[selector] = answer;
}

void CEngineSettings::RemoveGestalt(OSType selector)
{
    std::lock_guard lock(fMutex);
    fGestalts.erase(selector);
}

SInt16 CEngineSettings::Gestalt(OSType selector, SInt32* answer)
{
    std::lock_guard lock(fMutex);
    const auto found = fGestalts.find(selector);
    if (answer != nullptr)
        *answer = found != fGestalts.end() ? found->second : 0;
    return found != fGestalts.end() ? kFicNoError : kFicUnknownSelector;
}
