// A pixel position: h across, v down.
#pragma once

#include <cstdint>

struct CPoint
{
    int32_t h = 0;
    int32_t v = 0;

    constexpr CPoint() = default;
    constexpr CPoint(int32_t h, int32_t v) : h(h), v(v) {}

    constexpr bool operator==(const CPoint&) const = default;
};
