// A Windows open whose NewPlugIn fails leaves nothing behind: the group it made is deleted, the
// resource file it opened is closed, the close does neither again, and the next open tries anew.
#include <gtest/gtest.h>

#include "CDAEError.h"
#include "EntryTestGroup.h"
#include "FakeWinPlatform.h"
#include "PTAdapterWinEntry.h"

namespace
{
const std::vector<std::string> kOpenedAndClosed = {"module file name", "open C:\\Plug-Ins\\Kelvaro.dpm.rsr", "close"};

class WinOpenFailure : public testing::Test
{
protected:
    void SetUp() override
    {
        FakeWinPlatform() = {};
        CEntryTestGroup::ResetCounts();
    }
    void TearDown() override { gEntryTestGroupFactory = [] { return new CEntryTestGroup; }; }

    static void FailInitialization()
    {
        gEntryTestGroupFactory = [] {
            return new CEntryTestGroup({}, []() -> ComponentResult { throw CDAEError(-7060); });
        };
    }
};
} // namespace

TEST_F(WinOpenFailure, DeletesTheGroupAndClosesTheResourceFileOnce)
{
    FailInitialization();
    EXPECT_EQ(WinPlugInOpen(73), -7060);
    EXPECT_EQ(gProcessGroup, nullptr);
    EXPECT_EQ(CEntryTestGroup::sMade, 1);
    EXPECT_EQ(CEntryTestGroup::sDeleted, 1);
    EXPECT_EQ(FakeWinPlatform().calls, kOpenedAndClosed);

    EXPECT_EQ(WinPlugInClose(), 0);
    EXPECT_EQ(CEntryTestGroup::sDeleted, 1);
    EXPECT_EQ(FakeWinPlatform().calls, kOpenedAndClosed);
}

TEST_F(WinOpenFailure, WithoutAGroupOnlyTheResourceFileIsClosed)
{
    gEntryTestGroupFactory = [] { return nullptr; };
    EXPECT_EQ(WinPlugInOpen(73), -7003);
    EXPECT_EQ(FakeWinPlatform().calls, kOpenedAndClosed);
    EXPECT_EQ(WinPlugInClose(), 0);
    EXPECT_EQ(FakeWinPlatform().calls, kOpenedAndClosed);
}

TEST_F(WinOpenFailure, TheNextOpenTriesAgainAndSucceeds)
{
    FailInitialization();
    EXPECT_EQ(WinPlugInOpen(73), -7060);
    gEntryTestGroupFactory = [] { return new CEntryTestGroup; };
    EXPECT_EQ(WinPlugInOpen(73), 0);
    EXPECT_NE(gProcessGroup, nullptr);
    EXPECT_EQ(FakeWinPlatform().CountOfOpens(), 2u);

    EXPECT_EQ(WinPlugInClose(), 0);
    EXPECT_EQ(gProcessGroup, nullptr);
    EXPECT_EQ(CEntryTestGroup::sDeleted, 2);
    EXPECT_EQ(FakeWinPlatform().CountOf("close"), 2u);
}

// A success earlier in the module's life must not make a later failed open's close act again.
TEST_F(WinOpenFailure, AnEarlierSuccessDoesNotMakeTheCloseActAgain)
{
    ASSERT_EQ(WinPlugInOpen(73), 0);
    EXPECT_EQ(WinPlugInClose(), 0);
    FailInitialization();
    EXPECT_EQ(WinPlugInOpen(73), -7060);
    EXPECT_EQ(WinPlugInClose(), 0);
    EXPECT_EQ(CEntryTestGroup::sMade, 2);
    EXPECT_EQ(CEntryTestGroup::sDeleted, 2);
    EXPECT_EQ(FakeWinPlatform().CountOfOpens(), 2u);
    EXPECT_EQ(FakeWinPlatform().CountOf("close"), 2u);
}
