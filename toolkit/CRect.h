// A pixel rectangle; right and bottom lie one past the last pixel.
#pragma once

#include "CPoint.h"

#include <utility>
#include <cstdint>

struct CRect
{
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    constexpr CRect() = default;
    constexpr CRect(int32_t left, int32_t top, int32_t right, int32_t bottom)
        : left(left), top(top), right(right), bottom(bottom)
    {
    }

    constexpr bool operator==(const CRect&) const = default;

    constexpr int32_t width() const { return right - left; }
    constexpr int32_t height() const { return bottom - top; }
    constexpr bool isEmpty() const { return right <= left || bottom <= top; }

    constexpr bool pointInside(const CPoint& where) const
    {
        return where.h >= left && where.h < right && where.v >= top && where.v < bottom;
    }

    constexpr bool rectOverlap(const CRect& other) const
    {
        return !isEmpty() && !other.isEmpty() && left < other.right && other.left < right &&
               top < other.bottom && other.top < bottom;
    }

    constexpr CRect& normalize()
    {
        if (left > right)
            std::swap(left, right);
        if (top > bottom)
            std::swap(top, bottom);
        return *this;
    }
};
