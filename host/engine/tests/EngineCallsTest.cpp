#include <gtest/gtest.h>

#include <string>

#include "CHostEngine.h"
#include "FicExports.h"

TEST(EngineCalls, GestaltAnswersTokensAndVariableBlocksAndRefusesOthers)
{
    SInt32 answer = 0;
    EXPECT_EQ(FicGestalt(kFicGestaltSharedDataTokens, &answer), 0);
    EXPECT_NE(answer, 0);
    EXPECT_EQ(FicGestalt(kFicGestaltVariableQuantum, &answer), 0);
    EXPECT_NE(answer, 0);
    EXPECT_NE(FicGestalt(FourCC("none"), &answer), 0);
    EXPECT_EQ(answer, 0);
}

TEST(EngineCalls, HostSettingsReachThePlugInSide)
{
    CEngineSettings& settings = CHostEngine::Instance().Settings();
    settings.fMaximumRTASQuantum = 256;
    settings.fAlive = false;
    settings.fPlugInServicesVersion = 0;

    EXPECT_EQ(FicGetMaximumRTASQuantum(), 256);
    EXPECT_FALSE(FicIsAlive());
    EXPECT_EQ(GetPlugInServices()->GetVersion(), 0);

    settings.fMaximumRTASQuantum = 1024;
    settings.fAlive = true;
    settings.fPlugInServicesVersion = 1;
}

TEST(EngineCalls, PersonalityIdleIsCounted)
{
    const SInt32 before = CHostEngine::Instance().Settings().fPersonalityIdleCalls;
    EXPECT_EQ(FicPersonalityDoIdle(), 0);
    EXPECT_EQ(CHostEngine::Instance().Settings().fPersonalityIdleCalls, before + 1);
}

TEST(EngineCalls, AppendNumAppendsDecimalAsFarAsTheTextHoldsIt)
{
    unsigned char text[256] = {5, 'I', 'n', 's', 't', ' '};
    FicAppendNum(-42, text, 0);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(text + 1), text[0]), "Inst -42");

    text[0] = 253;
    FicAppendNum(12345, text, 0);
    EXPECT_EQ(text[0], 255);
    EXPECT_EQ(text[254], '1');
    EXPECT_EQ(text[255], '2');
}
