#pragma once
// A group for the entries' tests: the library's hook makes whatever the test's factory makes,
// and the group can fail while it is made or initialised. Counts groups made, initialised and
// deleted.

#include <functional>

#include "CEffectGroup.h"

class CEntryTestGroup : public CEffectGroup
{
public:
    using Step = std::function<void()>;

    // duringConstruction runs at the end of the constructor; initialize is Initialize's answer
    // (it may throw instead).
    explicit CEntryTestGroup(const Step& duringConstruction = {},
                             std::function<ComponentResult()> initialize = {});
    ~CEntryTestGroup() override;

    ComponentResult Initialize() override;
    void CreateEffectTypes() override {}

    static void ResetCounts();
    static int sMade;
    static int sInitialized;
    static int sDeleted;

private:
    std::function<ComponentResult()> fInitialize;
};

// What CProcessGroup::CreateProcessGroup() answers; by default a group that succeeds.
extern std::function<CProcessGroup*()> gEntryTestGroupFactory;
