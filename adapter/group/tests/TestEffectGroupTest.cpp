// An effect with the framework's default channel configurations (equal counts from 1 to 8) and
// a side chain: all three types, in the host's order.
#include "CPTAdapterGroup.h"
#include "GroupEntryFixture.h"

namespace
{
class TestEffectGroup : public CGroupEntryFixture
{
};

constexpr OSType kEveryType[] = {kPTAdapterMonoType, kPTAdapterStereoType, kPTAdapterOfflineType};
} // namespace

TEST_F(TestEffectGroup, ListsTheMonoStereoAndOfflineTypesInOrder)
{
    EXPECT_EQ(ListedTypes(), std::vector<OSType>(std::begin(kEveryType), std::end(kEveryType)));
}

TEST_F(TestEffectGroup, EveryTypeHasMasterBypassAndSideChain)
{
    for (OSType type : kEveryType)
    {
        EXPECT_EQ(GestaltOf(type, 8), 1) << std::hex << type;
        EXPECT_GT(GestaltOf(type, 5), 0) << std::hex << type;
    }
}

TEST_F(TestEffectGroup, OfflineTypeTakesTheLargestAcceptedCounts)
{
    CEffectType& offline = EffectType(kPTAdapterOfflineType);
    EXPECT_EQ(offline.GetNumInputs(), 8);
    EXPECT_EQ(offline.GetNumOutputs(), 8);
    EXPECT_EQ(GestaltOf(kPTAdapterOfflineType, 61), 1);
    EXPECT_EQ(GestaltOf(kPTAdapterOfflineType, 48), 0);
}

TEST_F(TestEffectGroup, RealTimeTypesCarryClipLightsWhenTheEffectHasClips)
{
    EXPECT_EQ(GestaltOf(kPTAdapterMonoType, 39), 1);
    EXPECT_EQ(GestaltOf(kPTAdapterStereoType, 39), 1);
    EXPECT_EQ(GestaltOf(kPTAdapterOfflineType, 39), 0);
}
