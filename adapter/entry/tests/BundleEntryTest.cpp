// The bundle entry pair: the library holds the host's bundle reference and the module's address
// while the module is open, and the close takes the group, the reference and the address away.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <string>

#include "AdapterModuleHandle.h"
#include "EntryTestGroup.h"
#include "PTAdapterBundle.h"

namespace
{
const std::string kBundlePath = "/plug-ins/Kelvaro.bundle";

std::string ImageFileOf(const void* address)
{
    Dl_info info{};
    if (address == nullptr || dladdr(address, &info) == 0 || info.dli_fname == nullptr)
        return {};
    return info.dli_fname;
}

class BundleEntry : public testing::Test
{
protected:
    void SetUp() override { CEntryTestGroup::ResetCounts(); }
    std::string reference = kBundlePath;  // the host's own string, kept alive by it
};
} // namespace

TEST_F(BundleEntry, TheLibraryKeepsTheHostsReferenceWhileOpen)
{
    ASSERT_EQ(NewMachOPlugIn(reference.c_str()), 0);
    EXPECT_EQ(CProcessGroup::GetBundleReference(), reference.c_str());  // kept, not copied
    const char* location = nullptr;
    CProcessGroup::GetResourceLocation(&location);
    EXPECT_EQ(location, reference.c_str());
    EXPECT_EQ(CEntryTestGroup::sMade, 1);
    EXPECT_EQ(CEntryTestGroup::sInitialized, 1);

    CloseMachOPlugIn();
    EXPECT_EQ(gProcessGroup, nullptr);
    EXPECT_EQ(CEntryTestGroup::sDeleted, 1);
    EXPECT_EQ(CProcessGroup::GetBundleReference(), nullptr);
    CProcessGroup::GetResourceLocation(&location);
    EXPECT_EQ(location, nullptr);
    EXPECT_EQ(reference, kBundlePath);  // never written to
}

TEST_F(BundleEntry, TheModuleHandleLiesInTheModulesOwnImageWhileOpen)
{
    static const int sAddressInThisImage = 0;
    ASSERT_EQ(NewMachOPlugIn(reference.c_str()), 0);
    const std::string image = ImageFileOf(gPTAdapterModuleHandle);
    EXPECT_FALSE(image.empty());
    EXPECT_EQ(image, ImageFileOf(&sAddressInThisImage));
    CloseMachOPlugIn();
    EXPECT_EQ(gPTAdapterModuleHandle, nullptr);
}

TEST_F(BundleEntry, AFailedEntryStillHoldsTheReferenceUntilTheHostsClose)
{
    gEntryTestGroupFactory = [] { return nullptr; };
    EXPECT_EQ(NewMachOPlugIn(reference.c_str()), -7003);
    EXPECT_EQ(CProcessGroup::GetBundleReference(), reference.c_str());
    CloseMachOPlugIn();
    EXPECT_EQ(CProcessGroup::GetBundleReference(), nullptr);
    gEntryTestGroupFactory = [] { return new CEntryTestGroup; };
}

TEST_F(BundleEntry, OpensAgainAfterAClose)
{
    for (int load = 0; load < 3; ++load)
    {
        ASSERT_EQ(NewMachOPlugIn(reference.c_str()), 0);
        EXPECT_NE(gProcessGroup, nullptr);
        CloseMachOPlugIn();
    }
    EXPECT_EQ(CEntryTestGroup::sMade, 3);
    EXPECT_EQ(CEntryTestGroup::sDeleted, 3);
}
