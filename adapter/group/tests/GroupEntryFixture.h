#pragma once
// The module opened through its entry as the host opens it, and the types it lists through the
// routine table.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CEffectType.h"
#include "HostRoutines.h"

class CGroupEntryFixture : public testing::Test
{
protected:
    static constexpr const char* kBundleReference = "/plug-ins/Kelvaro.bundle";
    static constexpr SInt32 kRealTimeKind = 3;
    static constexpr SInt32 kOfflineKind = 1;

    void SetUp() override;
    void TearDown() override;

    static std::vector<OSType> ListedTypes();
    static std::string TextOf(const char* lengthPrefixed);
    static SInt32 GestaltOf(OSType type, SInt32 selector);
    static CEffectType& EffectType(OSType type);
};
