// The host's open and close of the Windows module: the interface version it must speak, the
// counted opens and closes, and the resource file beside the module.
#include <string>

#include "PTAdapterWinEntry.h"
#include "PTAdapterWinModule.h"
#include "WinEntryFixture.h"

namespace
{
class WinEntry : public CWinEntryFixture
{
};

constexpr SInt32 kOtherVersions[] = {72, 74, 0, -73, 0x4900};
} // namespace

TEST_F(WinEntry, AnotherInterfaceVersionOpensNothing)
{
    for (SInt32 version : kOtherVersions)
    {
        SCOPED_TRACE(version);
        gPTAdapterWinOpenedByHost = true;
        EXPECT_EQ(WinPlugInOpen(version), -1);
        EXPECT_FALSE(gPTAdapterWinOpenedByHost);
        EXPECT_EQ(gProcessGroup, nullptr);
        EXPECT_TRUE(FakeWinPlatform().calls.empty());
    }
    EXPECT_EQ(WinPlugInClose(), 0);  // unmatched: takes nothing
    EXPECT_TRUE(FakeWinPlatform().calls.empty());
}

TEST_F(WinEntry, TwoOpensMakeOneGroupAndTheSecondCloseDeletesIt)
{
    EXPECT_EQ(WinPlugInOpen(73), 0);
    EXPECT_TRUE(gPTAdapterWinOpenedByHost);
    CProcessGroup* group = gProcessGroup;
    EXPECT_TRUE(GroupOffersTheStereoType());
    EXPECT_EQ(WinPlugInOpen(73), 0);
    EXPECT_EQ(gProcessGroup, group);
    EXPECT_EQ(FakeWinPlatform().CountOfOpens(), 1u);
    EXPECT_EQ(FakeWinPlatform().byteOrder, &PTAdapterResourceByteOrder);

    EXPECT_EQ(WinPlugInClose(), 0);
    EXPECT_EQ(gProcessGroup, group);
    EXPECT_TRUE(GroupOffersTheStereoType());
    EXPECT_EQ(FakeWinPlatform().CountOf("close"), 0u);

    EXPECT_EQ(WinPlugInClose(), 0);
    EXPECT_EQ(gProcessGroup, nullptr);
    EXPECT_EQ(FakeWinPlatform().CountOf("close"), 1u);

    EXPECT_EQ(WinPlugInClose(), 0);  // one close too many changes nothing
    EXPECT_EQ(FakeWinPlatform().CountOf("close"), 1u);
}

TEST_F(WinEntry, OpensAgainAfterTheLastClose)
{
    for (int load = 0; load < 3; ++load)
    {
        ASSERT_EQ(WinPlugInOpen(73), 0);
        EXPECT_TRUE(GroupOffersTheStereoType());
        EXPECT_EQ(WinPlugInClose(), 0);
    }
    EXPECT_EQ(FakeWinPlatform().CountOfOpens(), 3u);
    EXPECT_EQ(FakeWinPlatform().CountOf("close"), 3u);
}

namespace
{
struct SModulePathCase
{
    size_t length;     // characters of the module's path
    bool opens;        // its resource file's path fits in 256 characters with the terminator
};

// "C:\" and a file name padded to the length wanted, ending in ".dpm".
std::string ModulePathOf(size_t length)
{
    return "C:\\" + std::string(length - 7, 'k') + ".dpm";
}

constexpr SModulePathCase kModulePathCases[] = {
    {24, true}, {250, true}, {251, true}, {252, false}, {255, false}, {256, false}, {300, false},
};
} // namespace

TEST_F(WinEntry, TheResourceFileIsTheModulePathWithRsrAppendedOrTheOpenFails)
{
    for (const SModulePathCase& path : kModulePathCases)
    {
        SCOPED_TRACE(path.length);
        FakeWinPlatform() = {};
        FakeWinPlatform().moduleFileName = ModulePathOf(path.length);
        const std::string resourcePath = FakeWinPlatform().moduleFileName + ".rsr";

        EXPECT_EQ(WinPlugInOpen(73), path.opens ? 0 : -37);
        const std::vector<std::string> opened{"module file name", "open " + resourcePath};
        const std::vector<std::string> refused{"module file name"};
        EXPECT_EQ(FakeWinPlatform().calls, path.opens ? opened : refused);
        EXPECT_EQ(gProcessGroup != nullptr, path.opens);
        EXPECT_EQ(WinPlugInClose(), 0);
        EXPECT_EQ(gProcessGroup, nullptr);
    }
}

TEST_F(WinEntry, NoModulePathFailsTheOpenUntilThereIsOne)
{
    FakeWinPlatform().moduleFileNameFails = true;
    EXPECT_EQ(WinPlugInOpen(73), -37);
    EXPECT_EQ(FakeWinPlatform().CountOfOpens(), 0u);
    EXPECT_EQ(gProcessGroup, nullptr);

    FakeWinPlatform().moduleFileNameFails = false;
    EXPECT_EQ(WinPlugInOpen(73), 0);
    EXPECT_TRUE(GroupOffersTheStereoType());
    EXPECT_EQ(WinPlugInClose(), 0);
}
