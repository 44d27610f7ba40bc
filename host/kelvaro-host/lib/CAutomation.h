#pragma once
// The host's automation engine for the processes it runs: the set-value tokens a plug-in sends
// to its controls' names come back to the process as applied values, the way a host's
// automation hands a user's change to the plug-in. Touches and releases are counted.

#include <map>

#include "CAutomationSeam.h"
#include "CHostProcess.h"

class CAutomation
{
public:
    struct SControl
    {
        CHostProcess* process;
        SInt32 index;
    };

    // The process's controls are looked up by name id from here on.
    void Watch(CHostProcess& process);
    void Forget(CHostProcess& process);
    // Applies every token waiting; answers how many values were applied.
    SInt32 Pump();

    SInt32 TouchesOpen() const { return fTouchesOpen; }
    SInt32 ValuesApplied() const { return fValuesApplied; }

private:
    void Handle(const SFicSDSToken& token);

    CAutomationSeam fSeam;
    std::map<FicSDSNameId, SControl> fControls;
    SInt32 fTouchesOpen = 0;
    SInt32 fValuesApplied = 0;
};
