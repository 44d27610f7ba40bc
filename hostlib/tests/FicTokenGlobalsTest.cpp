#include <gtest/gtest.h>

#include "CHostEngine.h"
#include "TestProcess.h"
#include "DAECalls.h"
#include "FicTokenGlobals.h"
#include "TestControl.h"

namespace
{
class FicTokenGlobalsTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { LoadDAE(); }
    void TearDown() override
    {
        FreeFicObjects();
        CEngineSettings& settings = CHostEngine::Instance().Settings();
        settings.SetGestalt(kFicGestaltSharedDataTokens, 1);
        settings.fAlive = true;
    }
};
} // namespace

TEST_F(FicTokenGlobalsTest, ServerAndTaskAreMadeWhenTheEngineOffersTokens)
{
    CreateFicObjects();
    EXPECT_NE(gOurFicServer, nullptr);
    EXPECT_NE(gOurTokenTask, nullptr);

    FreeFicObjects();
    EXPECT_EQ(gOurFicServer, nullptr);
    EXPECT_EQ(gOurTokenTask, nullptr);
}

TEST_F(FicTokenGlobalsTest, NothingIsMadeWithoutTokensOrARunningEngine)
{
    CEngineSettings& settings = CHostEngine::Instance().Settings();
    settings.RemoveGestalt(kFicGestaltSharedDataTokens);
    CreateFicObjects();
    EXPECT_EQ(gOurTokenTask, nullptr);

    settings.SetGestalt(kFicGestaltSharedDataTokens, 0);  // the answer itself is not looked at
    settings.fAlive = false;
    CreateFicObjects();
    EXPECT_EQ(gOurTokenTask, nullptr);

    settings.fAlive = true;
    CreateFicObjects();
    EXPECT_NE(gOurTokenTask, nullptr);
}

TEST_F(FicTokenGlobalsTest, ProcessInitialisedWithoutATaskSendsNoTokens)
{
    CTestProcess process;
    process.AddControl(new CTestControl("Gain"));
    ASSERT_EQ(process.Initialize(), 0);
    CreateFicObjects();  // too late for this process

    FicSDSNameId id = 5;
    process.GetControlNameID(1, &id);
    EXPECT_EQ(id, 0u);
    EXPECT_EQ(process.SetControlValue(1, 9), 0);
    SInt32 value = 0;
    process.GetControlValue(1, &value);
    EXPECT_EQ(value, 9);
}
