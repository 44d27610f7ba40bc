#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "FicExports.h"

namespace
{
bool OtherThreadCanEnter(FicCriticalSectionRef section)
{
    bool entered = false;
    std::thread([&] {
        entered = GetPlugInServices()->TryToEnterCriticalSection(section);
        if (entered)
            FicLeaveCriticalSection(section);
    }).join();
    return entered;
}
} // namespace

TEST(CriticalSection, HolderMayEnterAgainAndOthersWaitForTheLastLeave)
{
    FicCriticalSectionRef section = FicCreateCriticalSection();
    ASSERT_NE(section, nullptr);

    FicEnterCriticalSection(section);
    FicEnterCriticalSection(section);
    EXPECT_TRUE(GetPlugInServices()->TryToEnterCriticalSection(section));
    FicLeaveCriticalSection(section);
    FicLeaveCriticalSection(section);
    EXPECT_FALSE(OtherThreadCanEnter(section));
    FicLeaveCriticalSection(section);
    EXPECT_TRUE(OtherThreadCanEnter(section));

    FicDeleteCriticalSection(section);
}

TEST(CriticalSection, LeaveByAThreadThatDoesNotHoldItIsIgnored)
{
    FicCriticalSectionRef section = FicCreateCriticalSection();
    FicEnterCriticalSection(section);

    std::thread([&] { FicLeaveCriticalSection(section); }).join();

    EXPECT_FALSE(OtherThreadCanEnter(section));
    FicLeaveCriticalSection(section);
    FicDeleteCriticalSection(section);
}

TEST(CriticalSection, EnterWaitsUntilTheHolderLeaves)
{
    FicCriticalSectionRef section = FicCreateCriticalSection();
    std::atomic<bool> holderLeft{false};
    std::atomic<bool> enteredBeforeLeave{false};
    FicEnterCriticalSection(section);

    std::thread waiter([&] {
        FicEnterCriticalSection(section);
        enteredBeforeLeave = !holderLeft;
        FicLeaveCriticalSection(section);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    holderLeft = true;
    FicLeaveCriticalSection(section);
    waiter.join();

    EXPECT_FALSE(enteredBeforeLeave);
    FicDeleteCriticalSection(section);
}
