// Meters and clip lights of an effect with four meters of effect types 0, 1, 0 and 3 and two clip
// lights, read through the routine table.

#include <gtest/gtest.h>

#include "AdapterHostFixture.h"
#include "CPTAdapterProcess.h"
#include "CTestEffect.h"

namespace
{
class TestEffectMeters : public CAdapterHostFixture
{
protected:
    void SetUp() override
    {
        CAdapterHostFixture::SetUp();
        fIndex = Instantiate(kStereoType);
        fEffect = &EffectOf<CTestEffect>(kStereoType, fIndex);
    }

    SInt32 MeterIndexByType(SInt32 hostType, SInt32 nth)
    {
        SInt32 meter = -1;
        EXPECT_EQ(host::GetMeterIndexByType(kStereoType, fIndex, hostType, nth, &meter), 0);
        return meter;
    }

    SInt32 fIndex = 0;
    CTestEffect* fEffect = nullptr;
};

TEST_F(TestEffectMeters, MeterValuesAreFullScaleAtOneAndSaturateOutsideZeroToOne)
{
    const std::pair<float, UInt32> cases[] = {
        {1.5f, 0xFFFFFFFFu}, {1.0f, 0x80000000u}, {0.25f, 0x20000000u}, {0.0f, 0u}, {-0.1f, 0u}};
    SInt32 count = 0;
    ASSERT_EQ(host::GetNumMeters(kStereoType, fIndex, &count), 0);
    ASSERT_EQ(count, CTestEffect::kMeterCount);
    for (const auto& [linear, expected] : cases)
    {
        fEffect->meterLinear[1] = linear;
        SInt32 value = 0;
        ASSERT_EQ(host::GetMeterVal(kStereoType, fIndex, 2, &value), 0);
        EXPECT_EQ(UInt32(value), expected) << linear;
    }
}

TEST_F(TestEffectMeters, HostMeterTypesFindTheEffectsMetersInIndexOrder)
{
    constexpr SInt32 kHostTypeOfEffectType0 = 5;
    EXPECT_EQ(MeterIndexByType(kHostTypeOfEffectType0, 1), 1);
    EXPECT_EQ(MeterIndexByType(kHostTypeOfEffectType0, 2), 3);
    EXPECT_EQ(MeterIndexByType(kHostTypeOfEffectType0, 3), 0);
    EXPECT_EQ(MeterIndexByType(kHostTypeOfEffectType0, 0), 0);
    EXPECT_EQ(MeterIndexByType(0, 1), 2) << "host type 0 is effect type 1";
    EXPECT_EQ(MeterIndexByType(2, 1), 4) << "host type 2 is effect type 3";
    for (SInt32 nth : {-1, 0, 1, 2})
        EXPECT_EQ(MeterIndexByType(4, nth), 0) << "host type 4 has no meters";
    const std::pair<SInt32, SInt32> counts[] = {{5, 2}, {0, 1}, {2, 1}, {1, 0}, {4, 0}, {-1, 0}};
    for (const auto& [hostType, expected] : counts)
    {
        SInt32 count = -1;
        ASSERT_EQ(host::GetNumMetersOfType(kStereoType, fIndex, hostType, &count), 0);
        EXPECT_EQ(count, expected) << hostType;
    }
}

TEST_F(TestEffectMeters, OnlyMetersOfEffectType3AreVertical)
{
    for (SInt32 meter = 1; meter <= CTestEffect::kMeterCount; ++meter)
    {
        SInt32 orientation = -1;
        ASSERT_EQ(host::GetMeterOrientation(kStereoType, fIndex, meter, &orientation), 0);
        EXPECT_EQ(orientation, meter == 4 ? 1 : 0) << meter;
    }
}

TEST_F(TestEffectMeters, AnyNonZeroClipLightIsClippedUntilCleared)
{
    Boolean clipped = 1;
    ASSERT_EQ(host::GetClipState(kStereoType, fIndex, &clipped), 0);
    EXPECT_EQ(clipped, 0);
    fEffect->clips[1] = 1;
    ASSERT_EQ(host::GetClipState(kStereoType, fIndex, &clipped), 0);
    EXPECT_EQ(clipped, 1);
    fEffect->updates.clear();
    ASSERT_EQ(host::ClearClipState(kStereoType, fIndex), 0);
    EXPECT_EQ(fEffect->updates, std::vector<std::string>{"resetClips"});
}
} // namespace
