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
    // The process's controls are looked up by name id from here on.
    void Watch(CHostProcess& process);
    void Forget(CHostProcess& process);
    // Applies every value token waiting.
    void Pump();

    SInt32 TouchesOpen() const { return fTouchesOpen; }

private:
    struct SControl
    {
        CHostProcess* process;
        SInt32 index;
    };

    void Handle(const SFicSDSToken& token);

    CAutomationSeam fSeam;
    std::map<FicSDSNameId, SControl> fControls;
    SInt32 fTouchesOpen = 0;
};
