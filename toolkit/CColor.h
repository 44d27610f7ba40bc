// An 8-bit RGBA colour, not premultiplied.
#pragma once

#include <cstdint>

struct CColor
{
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t alpha = 255;

    constexpr bool operator==(const CColor&) const = default;
};

constexpr CColor kBlackCColor{0, 0, 0, 255};
constexpr CColor kWhiteCColor{255, 255, 255, 255};
constexpr CColor kTransparentCColor{255, 255, 255, 0};
