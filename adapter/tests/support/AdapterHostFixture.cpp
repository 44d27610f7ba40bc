#include "AdapterHostFixture.h"

#include "CProcessType.h"

void CAdapterHostFixture::SetUp()
{
    LoadGroup();
}

void CAdapterHostFixture::TearDown()
{
    RealTime().Stop();
    delete gProcessGroup;
    gProcessGroup = nullptr;
    Settings().SetGestalt(kFicGestaltSharedDataTokens, 1);
}

void CAdapterHostFixture::LoadGroup(bool withAutomation)
{
    delete gProcessGroup;
    if (withAutomation)
        Settings().SetGestalt(kFicGestaltSharedDataTokens, 1);
    else
        Settings().RemoveGestalt(kFicGestaltSharedDataTokens);
    gProcessGroup = CProcessGroup::CreateProcessGroup();
    ASSERT_EQ(gProcessGroup->Initialize(), 0);
    ASSERT_EQ(host::EnablePlugInType(kRealTimeKind), 0);
    ASSERT_EQ(host::EnablePlugInType(kOfflineKind), 0);
}

SInt32 CAdapterHostFixture::Instantiate(OSType type)
{
    SInt32 index = 0;
    EXPECT_EQ(host::InstantiateProcess(type, &index), 0);
    return index;
}

CEffectProcess& CAdapterHostFixture::Process(OSType type, SInt32 index) const
{
    return dynamic_cast<CEffectProcess&>(*gProcessGroup->FindProcessType(type)->GetProcessFromIndex(index));
}

CPTAdapterProcess& CAdapterHostFixture::AdapterProcess(OSType type, SInt32 index) const
{
    return dynamic_cast<CPTAdapterProcess&>(Process(type, index));
}
