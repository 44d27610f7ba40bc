#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "ChunkBuffer.h"
#include "ChunkDataParser.h"
#include "ChunkDataParserDefs.h"

using namespace ChunkDataParserDefs;
using ::testing::ElementsAre;

TEST(ChunkDataParserWriting, LongAndDoubleExampleIsWrittenByteForByte)
{
    ChunkDataParser parser;
    parser.AddInt32("gain", 5);
    parser.AddDouble("x", 0.5);

    ChunkBuffer chunk = ChunkBuffer::Of(parser);

    EXPECT_EQ(parser.GetChunkDataSize(), 28);
    EXPECT_EQ(chunk.Header()->fSize, 84);
    EXPECT_THAT(chunk.Data(),
                ElementsAre(0x01, 0x01, 0x01, 0x01, 0x6C, 0x5F, 0x67, 0x61, 0x69, 0x6E, 0x00, 0x00,
                            0x00, 0x00, 0x00, 0x05, 0x64, 0x5F, 0x78, 0x00, 0x3F, 0xE0, 0x00, 0x00,
                            0x00, 0x00, 0x00, 0x00));
}

TEST(ChunkDataParserWriting, EmptyParserWritesTheMarkerAlone)
{
    ChunkDataParser parser;
    ChunkBuffer chunk = ChunkBuffer::Of(parser);

    EXPECT_TRUE(parser.IsEmpty());
    EXPECT_EQ(parser.GetChunkSize(), 60);
    EXPECT_EQ(chunk.Header()->fSize, 60);
    EXPECT_THAT(chunk.Data(), ElementsAre(0x01, 0x01, 0x01, 0x01));
}

TEST(ChunkDataParserWriting, NameFieldIsPaddedToFourBytesAfterItsTerminator)
{
    struct Case
    {
        const char* name;
        SInt32 nameFieldSize;
    };
    for (const Case& c : {Case{"a", 4}, Case{"ab", 8}, Case{"abcde", 8}, Case{"abcdef", 12}})
    {
        ChunkDataParser parser;
        parser.AddInt16(c.name, -2);
        ChunkBuffer chunk = ChunkBuffer::Of(parser);
        const std::vector<Byte> data = chunk.Data();

        ASSERT_EQ(parser.GetChunkDataSize(), 4 + c.nameFieldSize + 4) << c.name;
        const std::string field(data.begin() + 4, data.begin() + 4 + c.nameFieldSize);
        std::string expected = std::string("s_") + c.name;
        expected.resize(size_t(c.nameFieldSize), '\0');
        EXPECT_EQ(field, expected) << c.name;
        // A short fills the first two bytes of its field; the other two stay zero.
        EXPECT_THAT(std::vector<Byte>(data.end() - 4, data.end()), ElementsAre(0xFF, 0xFE, 0, 0))
            << c.name;
    }
}

TEST(ChunkDataParserReading, EveryTypeSurvivesARoundTrip)
{
    ChunkDataParser written;
    written.AddInt16("short", -32768);
    written.AddInt32("long", -2147483647 - 1);
    written.AddFloat("float", -1.25e-3f);
    written.AddDouble("double", std::nextafter(1.0, 2.0));
    written.AddFloat("nan", std::nanf(""));
    ChunkBuffer chunk = ChunkBuffer::Of(written);
    chunk.Header()->fVersion = 7;

    ChunkDataParser read;
    read.LoadChunk(chunk.Header());

    ASSERT_EQ(read.GetNumEntries(), 5u);
    EXPECT_EQ(read.GetChunkVersion(), 7);
    const SInt32 types[] = {SHORT_TYPE, LONG_TYPE, FLOAT_TYPE, DOUBLE_TYPE, FLOAT_TYPE};
    for (size_t i = 0; i < 5; ++i)
    {
        EXPECT_EQ(read.GetName(i), written.GetName(i));
        EXPECT_EQ(read.GetType(i), types[i]);
    }
    SInt16 s = 0;
    SInt32 l = 0;
    float f = 0;
    double d = 0;
    EXPECT_TRUE(read.FindInt16("short", &s));
    EXPECT_TRUE(read.FindInt32("long", &l));
    EXPECT_TRUE(read.FindFloat("float", &f));
    EXPECT_TRUE(read.FindDouble("double", &d));
    EXPECT_EQ(s, -32768);
    EXPECT_EQ(l, -2147483647 - 1);
    EXPECT_EQ(f, -1.25e-3f);
    EXPECT_EQ(d, std::nextafter(1.0, 2.0));
    EXPECT_TRUE(read.FindFloat("nan", &f));
    EXPECT_TRUE(std::isnan(f));
    // Writing what was read gives the same bytes again.
    EXPECT_EQ(ChunkBuffer::Of(read).Data(), chunk.Data());
}

TEST(ChunkDataParserLookUp, TypedLookUpOfAnotherTypeFailsAndLeavesTheValue)
{
    ChunkDataParser parser;
    parser.AddInt32("level", 12);
    double d = 3.5;
    SInt16 s = 4;
    float f = 2.0f;
    SInt32 l = 9;

    EXPECT_FALSE(parser.FindDouble("level", &d));
    EXPECT_FALSE(parser.FindInt16("level", &s));
    EXPECT_FALSE(parser.FindFloat("level", &f));
    EXPECT_FALSE(parser.FindInt32("Level", &l));
    EXPECT_FALSE(parser.ReplaceDouble("level", 1.0));
    EXPECT_EQ(d, 3.5);
    EXPECT_EQ(s, 4);
    EXPECT_EQ(f, 2.0f);
    EXPECT_EQ(l, 9);
}

TEST(ChunkDataParserLookUp, ReplaceDoubleChangesOnlyADoubleEntry)
{
    ChunkDataParser parser;
    parser.AddDouble("mix", 0.25);

    EXPECT_TRUE(parser.ReplaceDouble("mix", 0.75));
    double d = 0;
    EXPECT_TRUE(parser.FindDouble("mix", &d));
    EXPECT_EQ(d, 0.75);
    EXPECT_FALSE(parser.ReplaceDouble("absent", 1.0));
}

TEST(ChunkDataParserLookUp, SearchContinuesAfterTheLastHitAndWrapsAfterTheLastEntry)
{
    ChunkDataParser parser;
    for (const char* name : {"a", "b", "a", "c"})
        parser.AddInt32(name, 0);

    EXPECT_EQ(parser.FindName("a"), 0);
    EXPECT_EQ(parser.FindName("a"), 2);  // the first one after the cursor wins
    EXPECT_EQ(parser.FindName("c"), 3);
    EXPECT_EQ(parser.FindName("a"), 0);  // the last entry was found: start again at 0
    EXPECT_EQ(parser.FindName("b"), 1);
    EXPECT_EQ(parser.FindName("z"), -1);
    EXPECT_EQ(parser.FindName("b"), 1);  // found before the cursor too
}

TEST(ChunkDataParserLookUp, ClearEmptiesTheParserAndForgetsTheVersion)
{
    ChunkDataParser parser;
    parser.AddInt32("a", 1);
    ChunkBuffer chunk = ChunkBuffer::Of(parser);
    chunk.Header()->fVersion = 3;
    parser.LoadChunk(chunk.Header());

    parser.Clear();

    EXPECT_TRUE(parser.IsEmpty());
    EXPECT_EQ(parser.GetChunkVersion(), -1);
    EXPECT_EQ(parser.FindName("a"), -1);
    EXPECT_EQ(parser.GetChunkDataSize(), 4);
}

TEST(ChunkDataParserLayout, WordAlignRoundsUpToTheNextMultipleOfFour)
{
    const SInt32 positions[][2] = {{0, 0}, {1, 4}, {3, 4}, {4, 4}, {5, 8}, {8, 8}};
    for (const auto& p : positions)
    {
        SInt32 position = p[0];
        ChunkDataParser::WordAlign(position);
        EXPECT_EQ(position, p[1]) << p[0];
    }
}
