// Byte order helper of the state blob.
#include "QVEndian.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(QvEndian, FloatOneBecomesBigEndianBytes)
{
    float one = 1.0f;
    qv_endian(&one, 1, 4);
    unsigned char bytes[4];
    std::memcpy(bytes, &one, 4);
    EXPECT_EQ(bytes[0], 0x3F);
    EXPECT_EQ(bytes[1], 0x80);
    EXPECT_EQ(bytes[2], 0x00);
    EXPECT_EQ(bytes[3], 0x00);
}

TEST(QvEndian, ConvertsEveryElementAndIsItsOwnInverse)
{
    const int32_t original[3] = {1, -2, 0x01020304};
    int32_t words[3];
    std::memcpy(words, original, sizeof words);
    qv_endian(words, 3, 4);
    unsigned char bytes[12];
    std::memcpy(bytes, words, sizeof bytes);
    const unsigned char expected[12] = {0, 0, 0, 1, 0xFF, 0xFF, 0xFF, 0xFE, 1, 2, 3, 4};
    EXPECT_EQ(std::memcmp(bytes, expected, sizeof bytes), 0);
    qv_endian(words, 3, 4);
    EXPECT_EQ(std::memcmp(words, original, sizeof words), 0);
}

TEST(QvEndian, OddSizeKeepsTheMiddleByte)
{
    unsigned char bytes[6] = {1, 2, 3, 4, 5, 6};
    qv_endian(bytes, 2, 3);
    const unsigned char swapped[6] = {3, 2, 1, 6, 5, 4};
    const unsigned char unchanged[6] = {1, 2, 3, 4, 5, 6};
    EXPECT_EQ(std::memcmp(bytes, qv_isLittleEndian() ? swapped : unchanged, 6), 0);
}

TEST(QvEndian, NothingHappensForNullDataOrEmptyOrByteSizedElements)
{
    unsigned char bytes[4] = {1, 2, 3, 4};
    qv_endian(nullptr, 4, 4);
    qv_endian(bytes, 0, 4);
    qv_endian(bytes, -3, 4);
    qv_endian(bytes, 4, 1);
    qv_endian(bytes, 1, 0);
    qv_endian(bytes, 1, -4);
    const unsigned char expected[4] = {1, 2, 3, 4};
    EXPECT_EQ(std::memcmp(bytes, expected, 4), 0);
}

} // namespace
