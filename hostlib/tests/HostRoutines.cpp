#include "HostRoutines.h"

#include "TestEffectGroup.h"

// Without the host's automation engine in these tests, control changes apply at once rather than
// through the token service.
void CHostFixture::SetUp()
{
    Settings().RemoveGestalt(kFicGestaltSharedDataTokens);
    gProbe.Reset();
    LoadGroup();
}

void CHostFixture::TearDown()
{
    RealTime().Stop();
    delete gProcessGroup;
    gProcessGroup = nullptr;
    gProbe.Reset();
    Settings().SetGestalt(kFicGestaltSharedDataTokens, 1);
}

void CHostFixture::LoadGroup(bool enableKinds)
{
    delete gProcessGroup;
    gProcessGroup = CProcessGroup::CreateProcessGroup();
    ASSERT_EQ(gProcessGroup->Initialize(), 0);
    if (!enableKinds)
        return;
    ASSERT_EQ(host::EnablePlugInType(kRealTimeKind), 0);
    ASSERT_EQ(host::EnablePlugInType(kOfflineKind), 0);
}

SInt32 CHostFixture::Instantiate(OSType type)
{
    SInt32 index = 0;
    EXPECT_EQ(host::InstantiateProcess(type, &index), 0);
    return index;
}
