// The effect's category bits in the host's category word.
#include <gtest/gtest.h>

#include "AdapterCategories.h"

namespace
{
struct SCategoryCase
{
    int32_t effect;
    uint32_t host;
};

constexpr SCategoryCase kCases[] = {
    {0x001, 0x001}, {0x002, 0x002}, {0x004, 0x004}, {0x008, 0x010}, {0x010, 0x020}, {0x020, 0x008},
    {0x040, 0x040}, {0x080, 0x080}, {0x100, 0x100}, {0x200, 0x200}, {0x400, 0x800},
    {0x800, 0x000},                 // no host bit: dropped
    {0x028, 0x018},                 // the swapped pair together
    {0xFFF, 0xBFF},                 // every effect bit: host bit 0x400 has no source
    {0, 0},
};
} // namespace

TEST(CategoryMapping, TranslatesEachEffectBitAndDropsTheUnlisted)
{
    for (const SCategoryCase& category : kCases)
        EXPECT_EQ(HostCategoriesOfEffect(category.effect), category.host) << std::hex << category.effect;
}
