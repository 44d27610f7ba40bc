#pragma once
// A process as a host runs it: made, watched by the host's automation and given idle time.
// Settle() lets every change the plug-in sent through the automation come back to it.

#include "CAutomation.h"
#include "CIdlePump.h"

class CAutomatedProcess
{
public:
    CAutomatedProcess(CRoutineTable& routines, OSType type) : fProcess(routines, type)
    {
        fAutomation.Watch(fProcess);
        fIdle.Add(fProcess);
    }
    ~CAutomatedProcess() { fAutomation.Forget(fProcess); }

    CHostProcess& Process() { return fProcess; }
    CAutomation& Automation() { return fAutomation; }
    CIdlePump& Idle() { return fIdle; }
    void Settle() { fIdle.Tick(); }

private:
    CAutomation fAutomation;
    CIdlePump fIdle{fAutomation};
    CHostProcess fProcess;
};
