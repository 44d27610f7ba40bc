#include "ResourceByteOrder.h"

#include <algorithm>
#include <cstdint>
#include <span>

namespace
{
struct SResourceField
{
    SInt32 offset;
    SInt32 width;
};

// Five words, then four pairs of a word and a half-word.
constexpr SResourceField kThingFields[] = {
    {0, 4}, {4, 4}, {8, 4}, {12, 4}, {16, 4},
    {20, 4}, {24, 2}, {26, 4}, {30, 2}, {32, 4}, {36, 2}, {38, 4}, {42, 2},
};
constexpr SResourceField kCodeFragmentFields[] = {{32, 4}};

constexpr OSType kThingType = 0x74686E67;         // 'thng'
constexpr OSType kCodeFragmentType = 0x63667267;  // 'cfrg'

void ReverseFields(std::span<const SResourceField> fields, uint8_t* bytes, SInt32 size)
{
    for (const SResourceField& field : fields)
        if (field.offset + field.width <= size)
            std::reverse(bytes + field.offset, bytes + field.offset + field.width);
}
} // namespace

SInt32 PTAdapterResourceByteOrder(OSType type, void* data, SInt32 size)
{
    if (data == nullptr)
        size = 0;
    uint8_t* bytes = static_cast<uint8_t*>(data);
    switch (type)
    {
    case kThingType:
        ReverseFields(kThingFields, bytes, size);
        return 1;
    case kCodeFragmentType:
        ReverseFields(kCodeFragmentFields, bytes, size);
        return 1;
    default:
        return 0;
    }
}
