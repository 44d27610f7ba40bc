#include "EntryTestGroup.h"

int CEntryTestGroup::sMade = 0;
int CEntryTestGroup::sInitialized = 0;
int CEntryTestGroup::sDeleted = 0;

std::function<CProcessGroup*()> gEntryTestGroupFactory = [] { return new CEntryTestGroup; };

CProcessGroup* CProcessGroup::CreateProcessGroup()
{
    return gEntryTestGroupFactory();
}

void CEffectGroup::CreateProcessTypeObjects()
{
    CreateEffectTypes();
}

CEntryTestGroup::CEntryTestGroup(const Step& duringConstruction, std::function<ComponentResult()> initialize)
    : fInitialize(std::move(initialize))
{
    if (duringConstruction)
        duringConstruction();
    ++sMade;
}

CEntryTestGroup::~CEntryTestGroup()
{
    ++sDeleted;
}

ComponentResult CEntryTestGroup::Initialize()
{
    ++sInitialized;
    return fInitialize ? fInitialize() : 0;
}

void CEntryTestGroup::ResetCounts()
{
    sMade = sInitialized = sDeleted = 0;
}
