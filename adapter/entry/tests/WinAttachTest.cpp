// The Windows module's attach and detach: with the engine's "SetPlugInOpenAndCloseProcs" the
// engine gets the open and close procedures and runs them itself; without it the attach opens
// and the detach closes.
#include "AdapterModuleHandle.h"
#include "PTAdapterWinModule.h"
#include "WinEntryFixture.h"

namespace
{
class WinAttach : public CWinEntryFixture
{
protected:
    int moduleInstance = 0;  // its address stands for the module's instance handle
};

const std::vector<std::string> kLookups = {"find module DAE.DLL", "find procedure SetPlugInOpenAndCloseProcs"};
} // namespace

TEST_F(WinAttach, HandsTheProceduresToTheEngineWhichOpensAndClosesThroughThem)
{
    FakeWinPlatform().engineOffersOpenAndCloseProcs = true;
    EXPECT_TRUE(PTAdapterWinAttach(&moduleInstance));
    EXPECT_EQ(gPTAdapterModuleHandle, &moduleInstance);
    std::vector<std::string> expected = kLookups;
    expected.push_back("set open and close procedures");
    EXPECT_EQ(FakeWinPlatform().calls, expected);
    EXPECT_EQ(gProcessGroup, nullptr);
    ASSERT_EQ(FakeWinPlatform().registeredOpen, &PTAdapterWinOpen);
    ASSERT_EQ(FakeWinPlatform().registeredClose, &PTAdapterWinClose);

    EXPECT_EQ(FakeWinPlatform().registeredOpen(), 0);
    EXPECT_EQ(FakeWinPlatform().moduleAskedFor, &moduleInstance);
    EXPECT_TRUE(GroupOffersTheStereoType());
    EXPECT_EQ(FakeWinPlatform().registeredClose(), 0);
    EXPECT_EQ(gProcessGroup, nullptr);

    const size_t callsBeforeDetach = FakeWinPlatform().calls.size();
    EXPECT_TRUE(PTAdapterWinDetach());
    EXPECT_EQ(FakeWinPlatform().calls.size(), callsBeforeDetach);
    gPTAdapterModuleHandle = nullptr;
}

TEST_F(WinAttach, WithoutTheEngineProcedureTheAttachOpensAndTheDetachCloses)
{
    struct SEngineCase
    {
        bool engineLoaded;
        std::vector<std::string> lookups;
    };
    const SEngineCase cases[] = {{true, kLookups}, {false, {kLookups.front()}}};
    for (const SEngineCase& engine : cases)
    {
        SCOPED_TRACE(engine.engineLoaded);
        FakeWinPlatform() = {};
        FakeWinPlatform().engineLoaded = engine.engineLoaded;
        EXPECT_TRUE(PTAdapterWinAttach(&moduleInstance));
        std::vector<std::string> expected = engine.lookups;
        expected.insert(expected.end(), {"module file name", "open C:\\Plug-Ins\\Kelvaro.dpm.rsr"});
        EXPECT_EQ(FakeWinPlatform().calls, expected);
        EXPECT_EQ(FakeWinPlatform().moduleAskedFor, &moduleInstance);
        EXPECT_TRUE(GroupOffersTheStereoType());

        EXPECT_TRUE(PTAdapterWinDetach());
        EXPECT_EQ(gProcessGroup, nullptr);
        EXPECT_EQ(FakeWinPlatform().calls.back(), "close");
    }
    gPTAdapterModuleHandle = nullptr;
}

TEST_F(WinAttach, FailsWhenItsOwnOpenFails)
{
    FakeWinPlatform().moduleFileName = "C:\\" + std::string(260, 'k');
    EXPECT_FALSE(PTAdapterWinAttach(&moduleInstance));
    EXPECT_EQ(gProcessGroup, nullptr);
    EXPECT_EQ(FakeWinPlatform().CountOfOpens(), 0u);
    gPTAdapterModuleHandle = nullptr;
}
