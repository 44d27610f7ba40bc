#include "CFont.h"

#include <array>

double standardFontSize(CFont font)
{
    static constexpr std::array<double, 8> sizes{12, 18, 14, 12, 10, 9, 8, 12};
    const auto index = static_cast<uint32_t>(font);
    return index < sizes.size() ? sizes[index] : sizes[kFontNormal];
}
