// What both entries answer for each way the group can fail to come up, and that a group made
// before the failure is still deleted exactly once.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "CDAEError.h"
#include "EntryTestGroup.h"
#include "PTAdapterBundle.h"
#include "PTAdapterGroupLifetime.h"
#include "PTAdapterWinEntry.h"

namespace
{
struct SFailureCase
{
    const char* name;
    std::function<CProcessGroup*()> factory;
    SInt16 answer;
    bool groupRemains;  // made, and kept in gProcessGroup until the close
};

CProcessGroup* GroupThrowingWhileMade(const std::function<void()>& raise)
{
    return new CEntryTestGroup(raise);
}

CProcessGroup* GroupInitializing(std::function<ComponentResult()> initialize)
{
    return new CEntryTestGroup({}, std::move(initialize));
}

const SFailureCase kFailureCases[] = {
    {"no group", [] { return nullptr; }, -7003, false},
    {"library error while made", [] { return GroupThrowingWhileMade([] { throw CDAEError(-7053); }); }, -7053, false},
    {"other exception while made", [] { return GroupThrowingWhileMade([] { throw std::runtime_error("x"); }); }, -7401, false},
    {"allocation failure while made", [] { return GroupThrowingWhileMade([] { throw std::bad_alloc(); }); }, -7401, false},
    {"library error while initialised", [] { return GroupInitializing([]() -> ComponentResult { throw CDAEError(-7060); }); }, -7060, true},
    {"other exception while initialised", [] { return GroupInitializing([]() -> ComponentResult { throw 5; }); }, -7401, true},
    {"initialisation answers an error", [] { return GroupInitializing([] { return ComponentResult(-7075); }); }, 0, true},
    {"initialisation succeeds", [] { return GroupInitializing([] { return ComponentResult(0); }); }, 0, true},
};

struct SEntry
{
    const char* name;
    SInt16 (*open)();
    void (*close)();
};

const SEntry kEntries[] = {
    {"NewMachOPlugIn", [] { return NewMachOPlugIn("/plug-ins/Kelvaro.bundle"); }, &CloseMachOPlugIn},
    {"NewPlugIn", [] { return NewPlugIn(0); }, &PTAdapterDeleteGroup},
};

class EntryFailure : public testing::Test
{
protected:
    void SetUp() override { CEntryTestGroup::ResetCounts(); }
    void TearDown() override { gEntryTestGroupFactory = [] { return new CEntryTestGroup; }; }
};
} // namespace

TEST_F(EntryFailure, EachEntryAnswersTheFailureAndTheCloseDeletesWhatWasMadeOnce)
{
    for (const SEntry& entry : kEntries)
        for (const SFailureCase& failure : kFailureCases)
        {
            SCOPED_TRACE(std::string(entry.name) + ": " + failure.name);
            CEntryTestGroup::ResetCounts();
            gEntryTestGroupFactory = failure.factory;

            EXPECT_EQ(entry.open(), failure.answer);
            EXPECT_EQ(gProcessGroup != nullptr, failure.groupRemains);
            EXPECT_EQ(CEntryTestGroup::sInitialized, failure.groupRemains ? 1 : 0);

            entry.close();
            EXPECT_EQ(gProcessGroup, nullptr);
            EXPECT_EQ(CEntryTestGroup::sDeleted, CEntryTestGroup::sMade);
            EXPECT_EQ(CEntryTestGroup::sMade, failure.groupRemains ? 1 : 0);
        }
}

TEST_F(EntryFailure, ACloseWithoutAGroupDoesNothing)
{
    CloseMachOPlugIn();
    PTAdapterDeleteGroup();
    EXPECT_EQ(gProcessGroup, nullptr);
    EXPECT_EQ(CEntryTestGroup::sDeleted, 0);
}
