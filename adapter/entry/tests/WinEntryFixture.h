#pragma once
// The Windows entry over the recording platform, with the real group and the engine stand-in
// the group starts up against. Every test leaves the module closed.

#include <gtest/gtest.h>

#include "CHostEngine.h"
#include "CProcessGroup.h"
#include "FakeWinPlatform.h"

class CWinEntryFixture : public testing::Test
{
protected:
    void SetUp() override
    {
        CHostEngine::Instance();
        FakeWinPlatform() = {};
    }
    void TearDown() override { EXPECT_EQ(gProcessGroup, nullptr) << "the test left the module open"; }

    static bool GroupOffersTheStereoType()
    {
        return gProcessGroup != nullptr && gProcessGroup->FindProcessType(FourCC("RTST")) != nullptr;
    }
};
