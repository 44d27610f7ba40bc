// Bounded string copy.
#include "QVString.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

constexpr char kBypassNames[] = "Master Bypass\nBypass\nByp";
constexpr char kFill = 'X';

struct CopyCase
{
    const char* src;
    int32_t maxLen;
    int32_t offset;
    const char* expected; // text from dest[offset] on
};

std::ostream& operator<<(std::ostream& out, const CopyCase& c)
{
    std::string src = c.src;
    for (auto& ch : src)
        if (ch == '\n')
            ch = '|';
    return out << '"' << src << "\" maxLen " << c.maxLen << " offset " << c.offset;
}

class StrncpyTable : public ::testing::TestWithParam<CopyCase> {};

TEST_P(StrncpyTable, PicksLongestFittingAlternativeAndZeroFillsToMaxLen)
{
    const CopyCase c = GetParam();
    char dest[40];
    std::memset(dest, kFill, sizeof dest);

    EXPECT_EQ(qv_strncpy(dest, c.src, c.maxLen, c.offset), dest);

    const auto length = static_cast<int32_t>(std::strlen(c.expected));
    EXPECT_EQ(std::string(dest + c.offset, static_cast<size_t>(length)), c.expected);
    for (int32_t i = 0; i < c.offset; ++i)
        EXPECT_EQ(dest[i], kFill) << "byte before offset touched at " << i;
    for (int32_t i = c.offset + length; i <= c.maxLen; ++i)
        EXPECT_EQ(dest[i], 0) << "missing zero fill at " << i;
    EXPECT_EQ(dest[c.maxLen + 1], kFill) << "wrote past maxLen";
}

INSTANTIATE_TEST_SUITE_P(
    Part15Examples, StrncpyTable,
    ::testing::Values(CopyCase{kBypassNames, 30, 0, "Master Bypass"}, CopyCase{kBypassNames, 13, 0, "Master Bypass"},
                      CopyCase{kBypassNames, 12, 0, "Bypass"}, CopyCase{kBypassNames, 8, 0, "Bypass"},
                      CopyCase{kBypassNames, 6, 0, "Bypass"}, CopyCase{kBypassNames, 5, 0, "Byp"},
                      CopyCase{kBypassNames, 3, 0, "Byp"}, CopyCase{kBypassNames, 2, 0, "By"}, // only the last alternative is cut
                      CopyCase{kBypassNames, 1, 0, "B"}, CopyCase{kBypassNames, 0, 0, ""},
                      // room counts from the offset
                      CopyCase{kBypassNames, 10, 4, "Bypass"}, CopyCase{kBypassNames, 10, 5, "Byp"},
                      // single line longer than the room is cut
                      CopyCase{"Frequency", 4, 0, "Freq"}, CopyCase{"Frequency", 20, 0, "Frequency"},
                      CopyCase{"Frequency", 8, 6, "Fr"}, CopyCase{"", 5, 0, ""},
                      // an empty first alternative fits any room
                      CopyCase{"\nlong", 5, 0, ""},
                      // a trailing newline starts an empty last alternative
                      CopyCase{"abc\n", 2, 0, ""}, CopyCase{"abc\n", 3, 0, "abc"}));

TEST(QvStrncpy, OffsetEqualToMaxLenOnlyWritesTheTerminator)
{
    char dest[8];
    std::memset(dest, kFill, sizeof dest);
    qv_strncpy(dest, "abc", 5, 5);
    EXPECT_EQ(std::string(dest, 5), "XXXXX");
    EXPECT_EQ(dest[5], 0);
    EXPECT_EQ(dest[6], kFill);
}

TEST(QvStrncpy, OffsetBeyondMaxLenOnlyWritesDestAtMaxLen)
{
    char dest[8];
    std::memset(dest, kFill, sizeof dest);
    qv_strncpy(dest, "abc", 4, 7);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(dest[i], i == 4 ? 0 : kFill) << i;
}

TEST(QvStrncpy, NegativeOffsetCopiesNothingAndWritesOnlyDestAtMaxLen)
{
    char dest[8];
    std::memset(dest, kFill, sizeof dest);
    qv_strncpy(dest, "abc", 4, -2);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(dest[i], i == 4 ? 0 : kFill) << i;
}

TEST(QvStrncpy, NegativeMaxLenWritesNothing)
{
    char dest[4];
    std::memset(dest, kFill, sizeof dest);
    EXPECT_EQ(qv_strncpy(dest, "abc", -1, 0), dest);
    EXPECT_EQ(qv_strncpy(dest, "abc", -5, -9), dest);
    for (char c : dest)
        EXPECT_EQ(c, kFill);
}

TEST(QvStrncpy, NullDestIsIgnoredAndNullSourceCopiesAsEmpty)
{
    EXPECT_EQ(qv_strncpy(nullptr, "abc", 5, 0), nullptr);
    char dest[6];
    std::memset(dest, kFill, sizeof dest);
    qv_strncpy(dest, nullptr, 4, 1);
    EXPECT_EQ(dest[0], kFill);
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(dest[i], 0);
    EXPECT_EQ(dest[5], kFill);
}

TEST(QvStrncpy, AppendsAtAnOffset)
{
    char dest[8] = "ab";
    qv_strncpy(dest, "cdef", 4, 2);
    EXPECT_STREQ(dest, "abcd");
}

TEST(MyC2pstr, OnBecomesLengthByteAndCharactersWithoutTerminator)
{
    char text[4] = {'O', 'n', 0, kFill};
    EXPECT_EQ(my_c2pstr(text), 2);
    EXPECT_EQ(text[0], 2);
    EXPECT_EQ(text[1], 'O');
    EXPECT_EQ(text[2], 'n');
    EXPECT_EQ(text[3], kFill);
}

TEST(MyC2pstr, EmptyAndNullTexts)
{
    char empty[1] = {0};
    EXPECT_EQ(my_c2pstr(empty), 0);
    EXPECT_EQ(empty[0], 0);
    EXPECT_EQ(my_c2pstr(nullptr), 0);
}

TEST(MyC2pstr, LengthByteStopsAt255ButAllCharactersMove)
{
    std::string text(300, 'a');
    text[299] = 'z';
    text.push_back(0);
    EXPECT_EQ(my_c2pstr(text.data()), 255);
    EXPECT_EQ(static_cast<unsigned char>(text[0]), 255);
    EXPECT_EQ(text[1], 'a');
    EXPECT_EQ(text[300], 'z');
}

} // namespace
