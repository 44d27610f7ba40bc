#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "ControlValues.h"
#include "HostStrings.h"

TEST(ControlValues, ControlValueGoesToTheNearestStep)
{
    struct Case
    {
        SInt32 value, min, max, step;
    };
    const Case cases[] = {
        {kControlValueLowest, 0, 10, 0},  {kControlValueHighest, 0, 10, 10}, {0, 0, 10, 5},
        {kControlValueLowest, -3, 3, -3}, {kControlValueHighest, -3, 3, 3},  {0, 0, 1, 1},
        {-1, 0, 1, 0},                    {kControlValueHighest, 0, 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LongControlToNewRange(c.value, c.min, c.max), c.step) << c.value << " over " << c.min << ".." << c.max;
}

TEST(ControlValues, StepGoesToItsControlValueAfterClamping)
{
    struct Case
    {
        SInt32 step, min, max, value;
    };
    const Case cases[] = {
        {0, 0, 10, kControlValueLowest}, {10, 0, 10, kControlValueHighest}, {5, 0, 10, 0},
        {1, 0, 2, 0},                    {11, 0, 10, kControlValueHighest}, {-4, 0, 10, kControlValueLowest},
        {7, 7, 7, kControlValueLowest},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LongToLongControl(c.step, c.min, c.max), c.value) << c.step << " over " << c.min << ".." << c.max;
}

TEST(ControlValues, EveryStepSurvivesTheRoundTrip)
{
    for (SInt32 steps : {1, 2, 3, 10, 127, 1000})
        for (SInt32 step = 0; step <= steps; ++step)
            EXPECT_EQ(LongControlToNewRange(LongToLongControl(step, 0, steps), 0, steps), step) << steps;
}

TEST(ControlValues, AdditionHoldsAtTheEndsOfTheScale)
{
    struct Case
    {
        SInt32 value, delta, sum;
    };
    const Case cases[] = {
        {2147483640, 10, kControlValueHighest},
        {kControlValueLowest + 5, -10, kControlValueLowest},
        {kControlValueHighest, kControlValueLowest, -1},
        {-5, 10, 5},
        {5, -10, -5},
        {kControlValueLowest, kControlValueLowest, kControlValueLowest},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AddControlValueSaturating(c.value, c.delta), c.sum) << c.value << " + " << c.delta;
}

TEST(MultiLengthNames, LongestAlternativeThatFitsIsChosen)
{
    const char* names = "Dynamic Range\nDynRng\nDyn";
    struct Case
    {
        SInt32 maxLen;
        const char* chosen;
    };
    for (const Case& c : {Case{31, "Dynamic Range"}, Case{13, "Dynamic Range"}, Case{8, "DynRng"}, Case{4, "Dyn"},
                          Case{2, "Dy"}, Case{0, ""}})
    {
        char out[32];
        std::memset(out, 'X', sizeof out);
        GetStringOfLength(out, names, c.maxLen);
        EXPECT_STREQ(out, c.chosen) << c.maxLen;
    }
}

TEST(MultiLengthNames, NoNamesGiveTheEmptyText)
{
    char out[8] = "old";
    GetStringOfLength(out, nullptr, 7);
    EXPECT_STREQ(out, "");
    GetStringOfLength(out, "", 7);
    EXPECT_STREQ(out, "");
}

TEST(PascalStrings, CStringBecomesLengthPrefixedInPlace)
{
    unsigned char text[300] = "Gain";
    CToPascalInPlace(text);
    EXPECT_EQ(text[0], 4);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(text + 1), 4), "Gain");

    std::memset(text, 'a', 299);
    text[299] = 0;
    CToPascalInPlace(text);
    EXPECT_EQ(text[0], 255);
}
