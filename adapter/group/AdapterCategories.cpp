#include "AdapterCategories.h"

#include <array>

namespace
{
struct SCategoryBit
{
    uint32_t effectBit;
    uint32_t hostBit;
};

constexpr std::array<SCategoryBit, 11> kCategoryBits{{
    {0x001, 0x001},
    {0x002, 0x002},
    {0x004, 0x004},
    {0x008, 0x010},
    {0x010, 0x020},
    {0x020, 0x008},
    {0x040, 0x040},
    {0x080, 0x080},
    {0x100, 0x100},
    {0x200, 0x200},
    {0x400, 0x800},
}};
} // namespace

uint32_t HostCategoriesOfEffect(int32_t effectCategories)
{
    uint32_t host = 0;
    for (const SCategoryBit& bit : kCategoryBits)
        if ((uint32_t(effectCategories) & bit.effectBit) != 0)
            host |= bit.hostBit;
    return host;
}
