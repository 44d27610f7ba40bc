// Malformed named-value data must load without a read outside the chunk (run under
// AddressSanitizer) and leave names, values and types in step. The reader keeps every entry
// before the first one it cannot read and stops there.

#include <gtest/gtest.h>

#include <string>

#include "ChunkBuffer.h"
#include "ChunkDataParser.h"
#include "ChunkDataParserDefs.h"

using namespace ChunkDataParserDefs;

namespace
{
ChunkDataParser Load(ChunkBuffer chunk)
{
    ChunkDataParser parser;
    parser.LoadChunk(chunk.Header());
    return parser;
}

ChunkDataParser LoadData(const std::vector<Byte>& data)
{
    return Load(ChunkBuffer(data));
}

std::vector<Byte> Bytes(const std::string& text)
{
    return std::vector<Byte>(text.begin(), text.end());
}

const std::vector<Byte> kMarker = {1, 1, 1, 1};
const std::vector<Byte> kLongEntry = Bytes(std::string("l_a\0\0\0\0\7", 8));

std::vector<Byte> operator+(std::vector<Byte> a, const std::vector<Byte>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
} // namespace

TEST(ChunkDataMalformed, EveryTruncationKeepsTheEntriesThatEndInsideTheData)
{
    ChunkDataParser full;
    full.AddInt32("gain", -5);
    full.AddDouble("x", 0.5);
    full.AddInt16("s", 3);
    full.AddFloat("level", 1.5f);
    const std::vector<Byte> data = ChunkBuffer::Of(full).Data();
    // Offsets past the last byte each entry's reader needs: a short needs two of its four.
    const SInt32 entryEnds[] = {16, 28, 34, 48};

    for (SInt32 length = 0; length <= SInt32(data.size()); ++length)
    {
        const std::vector<Byte> truncated(data.begin(), data.begin() + length);
        ChunkDataParser parser = LoadData(truncated);

        size_t expected = 0;
        while (expected < 4 && entryEnds[expected] <= length)
            ++expected;
        ASSERT_EQ(parser.GetNumEntries(), expected) << "length " << length;
        for (size_t i = 0; i < expected; ++i)
        {
            EXPECT_EQ(parser.GetName(i), full.GetName(i));
            EXPECT_EQ(parser.GetType(i), full.GetType(i));
        }
    }
}

TEST(ChunkDataMalformed, SizeFieldSmallerThanTheHeaderLoadsNothing)
{
    for (SInt32 sizeField : {-2147483647 - 1, -1, 0, 4, 55, 56, 60})
    {
        ChunkDataParser parser = Load(ChunkBuffer(kMarker + kLongEntry, sizeField));
        EXPECT_TRUE(parser.IsEmpty()) << sizeField;
    }
}

TEST(ChunkDataMalformed, WrongMarkerLoadsNothing)
{
    for (const std::vector<Byte>& marker :
         {std::vector<Byte>{1, 1, 1, 2}, std::vector<Byte>{0, 0, 0, 0}, std::vector<Byte>{2, 1, 1, 1}})
        EXPECT_TRUE(LoadData(marker + kLongEntry).IsEmpty());
}

TEST(ChunkDataMalformed, UnknownTypeLetterStopsTheLoadAfterTheEntriesBeforeIt)
{
    for (const std::string& field :
         {std::string("x_a\0", 4), std::string("D_a\0", 4), std::string("\0\0\0\0", 4)})
    {
        const std::vector<Byte> data = kMarker + kLongEntry + Bytes(field) + kLongEntry;
        ChunkDataParser parser = LoadData(data);

        ASSERT_EQ(parser.GetNumEntries(), 1u);
        SInt32 value = 0;
        EXPECT_TRUE(parser.FindInt32("a", &value));
        EXPECT_EQ(value, 7);
    }
}

TEST(ChunkDataMalformed, OnlyTheFirstLetterDecidesTheType)
{
    ChunkDataParser parser = LoadData(kMarker + Bytes(std::string("lxa\0\0\0\0\1", 8)));

    ASSERT_EQ(parser.GetNumEntries(), 1u);
    EXPECT_EQ(parser.GetType(0), LONG_TYPE);
    EXPECT_EQ(parser.GetName(0), "a");
}

TEST(ChunkDataMalformed, NameShorterThanItsPrefixReadsAsTheEmptyName)
{
    ChunkDataParser parser = LoadData(kMarker + Bytes(std::string("l\0\0\0\0\0\0\2", 8)));

    SInt32 value = 0;
    ASSERT_TRUE(parser.FindInt32("", &value));
    EXPECT_EQ(value, 2);
}

TEST(ChunkDataMalformed, NameRunningToTheEndOfTheDataIsDropped)
{
    const std::vector<Byte> data = kMarker + kLongEntry + Bytes("l_" + std::string(300, 'n'));
    ChunkDataParser parser = LoadData(data);

    EXPECT_EQ(parser.GetNumEntries(), 1u);
}

TEST(ChunkDataMalformed, NamesLongerThan254CharactersAreReadWhole)
{
    ChunkDataParser written;
    const std::string longName(400, 'q');
    written.AddDouble(longName.c_str(), 2.5);
    written.AddInt32("after", 1);

    ChunkDataParser read = Load(ChunkBuffer::Of(written));

    double d = 0;
    SInt32 l = 0;
    EXPECT_TRUE(read.FindDouble(longName.c_str(), &d));
    EXPECT_TRUE(read.FindInt32("after", &l));
    EXPECT_EQ(d, 2.5);
}
