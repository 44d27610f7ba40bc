// The byte-order callback on resource images as the file stores them (big-endian): the fields
// read back in the machine's order, every other byte stays, and a short resource is touched
// only within its size (the images are allocated to their exact size).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "ResourceByteOrder.h"

namespace
{
using Bytes = std::vector<uint8_t>;

struct SField
{
    size_t offset;
    size_t width;
    uint32_t value;
};

void PutBigEndian(Bytes& image, const SField& field)
{
    for (size_t byte = 0; byte < field.width; ++byte)
        image[field.offset + byte] = uint8_t(field.value >> (8 * (field.width - 1 - byte)));
}

uint32_t ReadNative(const Bytes& image, const SField& field)
{
    if (field.width == 2)
    {
        uint16_t value = 0;
        std::memcpy(&value, image.data() + field.offset, 2);
        return value;
    }
    uint32_t value = 0;
    std::memcpy(&value, image.data() + field.offset, 4);
    return value;
}

// A component description: five words, then four pairs of a word and a half-word.
const std::vector<SField> kThingFields = {
    {0, 4, 0x61756678}, {4, 4, 0x6B76726F}, {8, 4, 0x61766E72}, {12, 4, 0x80000001}, {16, 4, 0x0000FF00},
    {20, 4, 0x11223344}, {24, 2, 0x5566}, {26, 4, 0x778899AA}, {30, 2, 0xBBCC},
    {32, 4, 0x01020304}, {36, 2, 0x0506}, {38, 4, 0xA1B2C3D4}, {42, 2, 0xE5F6},
};
const std::vector<SField> kCodeFragmentFields = {{32, 4, 0x00010203}};

// Bytes that no field covers keep this recognisable filler.
Bytes ImageOf(size_t size, const std::vector<SField>& fields)
{
    Bytes image(size);
    for (size_t byte = 0; byte < size; ++byte)
        image[byte] = uint8_t(0xC0 + byte);
    for (const SField& field : fields)
        PutBigEndian(image, field);
    return image;
}

SInt32 Convert(OSType type, Bytes& image)
{
    return PTAdapterResourceByteOrder(type, image.data(), SInt32(image.size()));
}
} // namespace

TEST(ResourceByteOrder, AComponentDescriptionReadsBackInTheMachinesOrder)
{
    Bytes image = ImageOf(48, kThingFields);  // four bytes past the fields
    EXPECT_EQ(Convert(FourCC("thng"), image), 1);
    for (const SField& field : kThingFields)
        EXPECT_EQ(ReadNative(image, field), field.value) << "offset " << field.offset;
    EXPECT_EQ(Bytes(image.begin() + 44, image.end()), Bytes({0xEC, 0xED, 0xEE, 0xEF}));
}

TEST(ResourceByteOrder, ACodeFragmentHasOnlyItsWordAtOffset32Reversed)
{
    const Bytes stored = ImageOf(40, kCodeFragmentFields);
    Bytes image = stored;
    EXPECT_EQ(Convert(FourCC("cfrg"), image), 1);
    EXPECT_EQ(ReadNative(image, kCodeFragmentFields[0]), kCodeFragmentFields[0].value);
    image.erase(image.begin() + 32, image.begin() + 36);
    Bytes others = stored;
    others.erase(others.begin() + 32, others.begin() + 36);
    EXPECT_EQ(image, others);
}

TEST(ResourceByteOrder, OtherTypesAreLeftAlone)
{
    for (OSType type : {FourCC("STR "), FourCC("PICT"), FourCC("THNG"), FourCC("CFRG"), OSType(0)})
    {
        const Bytes stored = ImageOf(48, kThingFields);
        Bytes image = stored;
        EXPECT_EQ(Convert(type, image), 0);
        EXPECT_EQ(image, stored);
    }
}

TEST(ResourceByteOrder, AShortResourceIsConvertedOnlyWhereAFieldFitsWhole)
{
    struct SShortCase
    {
        OSType type;
        size_t size;
        size_t convertedBytes;  // the leading bytes whose fields fit; the rest stay as stored
    };
    const SShortCase cases[] = {
        {FourCC("thng"), 43, 42}, {FourCC("thng"), 44, 44}, {FourCC("thng"), 23, 20},
        {FourCC("thng"), 3, 0},   {FourCC("thng"), 0, 0},   {FourCC("cfrg"), 35, 0},
        {FourCC("cfrg"), 36, 36}, {FourCC("cfrg"), 0, 0},
    };
    for (const SShortCase& resource : cases)
    {
        SCOPED_TRACE(testing::Message() << resource.size << " bytes of " << std::hex << resource.type);
        const std::vector<SField>& fields = resource.type == FourCC("thng") ? kThingFields : kCodeFragmentFields;
        Bytes whole = ImageOf(48, fields);
        const Bytes stored(whole.begin(), whole.begin() + ptrdiff_t(resource.size));
        Convert(resource.type, whole);

        Bytes image = stored;  // exactly its size: a write past the end is caught
        EXPECT_EQ(Convert(resource.type, image), 1);
        for (size_t byte = 0; byte < resource.size; ++byte)
            EXPECT_EQ(image[byte], byte < resource.convertedBytes ? whole[byte] : stored[byte]) << "byte " << byte;
    }
}

TEST(ResourceByteOrder, NoDataIsNotTouched)
{
    EXPECT_EQ(PTAdapterResourceByteOrder(FourCC("thng"), nullptr, 44), 1);
    EXPECT_EQ(PTAdapterResourceByteOrder(FourCC("cfrg"), nullptr, 36), 1);
}
