// The types of an effect that accepts only (2, 1) and (1, 2).
#include "CPTAdapterGroup.h"
#include "GroupEntryFixture.h"

namespace
{
constexpr SInt32 kGestaltCategory = 21;

class CrossChannelGroup : public CGroupEntryFixture
{
};
} // namespace

TEST_F(CrossChannelGroup, OffersOnlyTheOfflineTypeWithTwoInputsAndTwoOutputs)
{
    EXPECT_EQ(ListedTypes(), std::vector<OSType>{kPTAdapterOfflineType});
    CEffectType& offline = EffectType(kPTAdapterOfflineType);
    EXPECT_EQ(offline.GetNumInputs(), 2);
    EXPECT_EQ(offline.GetNumOutputs(), 2);
}

TEST_F(CrossChannelGroup, HostSeesTheMappedCategoryWord)
{
    EXPECT_EQ(GestaltOf(kPTAdapterOfflineType, kGestaltCategory), 0x018);  // effect bits 0x008 and 0x020 swap places
}
