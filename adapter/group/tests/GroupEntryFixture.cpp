#include "GroupEntryFixture.h"

#include "PTAdapterBundle.h"

void CGroupEntryFixture::SetUp()
{
    CHostEngine::Instance();  // the engine the module finds by name, as in the host program
    ASSERT_EQ(NewMachOPlugIn(kBundleReference), 0);
    ASSERT_EQ(host::EnablePlugInType(kRealTimeKind), 0);
    ASSERT_EQ(host::EnablePlugInType(kOfflineKind), 0);
}

void CGroupEntryFixture::TearDown()
{
    CloseMachOPlugIn();
}

std::vector<OSType> CGroupEntryFixture::ListedTypes()
{
    SInt16 count = 0;
    EXPECT_EQ(host::GetNumProcessTypes(&count), 0);
    std::vector<OSType> types;
    for (SInt32 index = 1; index <= count; ++index)
    {
        OSType maker = 0, product = 0, type = 0;
        EXPECT_EQ(host::GetProcessTypeIDs(index, &maker, &product, &type), 0);
        EXPECT_EQ(maker, FourCC("avnr"));
        EXPECT_EQ(product, FourCC("kvro"));
        types.push_back(type);
    }
    return types;
}

std::string CGroupEntryFixture::TextOf(const char* lengthPrefixed)
{
    return std::string(lengthPrefixed + 1, size_t(static_cast<unsigned char>(lengthPrefixed[0])));
}

SInt32 CGroupEntryFixture::GestaltOf(OSType type, SInt32 selector)
{
    SInt32 value = -1;
    EXPECT_EQ(host::Gestalt(type, selector, &value), 0);
    return value;
}

CEffectType& CGroupEntryFixture::EffectType(OSType type)
{
    return dynamic_cast<CEffectType&>(*gProcessGroup->FindProcessType(type));
}
