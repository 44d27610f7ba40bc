#include "AdapterHostFixture.h"

#include "CProcessType.h"

namespace
{
constexpr UInt16 kMouseDownEvent = 1;
} // namespace

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

CPlugInView& CAdapterHostFixture::AdapterView(OSType type, SInt32 index) const
{
    CPlugInView* root = Process(type, index).GetView();
    EXPECT_NE(root, nullptr);
    EXPECT_EQ(root->GetNumSubviews(), 1u);
    return *root->GetSubview(0);
}

ComponentResult CAdapterHostFixture::Click(OSType type, SInt32 index, SInt16 x, SInt16 y)
{
    EventRecord event{};
    event.what = kMouseDownEvent;
    event.where = Point{y, x};
    return host::DoMouseCommand(type, index, &event);
}
