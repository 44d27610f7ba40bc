// Value formatting and parameter mapping.
#include "QVHelpers.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

struct FormatCase
{
    float value;
    int32_t maxLen;
    bool showPlus;
    int32_t decimals;
    const char* expected;
};

std::ostream& operator<<(std::ostream& out, const FormatCase& c)
{
    return out << "value " << c.value << " maxLen " << c.maxLen << " plus " << c.showPlus << " decimals "
               << c.decimals;
}

// Formats into a guarded buffer and checks that nothing past dest[maxLen] is touched.
std::string formatGuarded(void (*format)(float, char*, int32_t, bool, int32_t), const FormatCase& c)
{
    char dest[40];
    std::memset(dest, 'X', sizeof dest);
    format(c.value, dest, c.maxLen, c.showPlus, c.decimals);
    EXPECT_EQ(dest[c.maxLen], 0) << "terminator at maxLen";
    EXPECT_EQ(dest[c.maxLen + 1], 'X') << "wrote past maxLen";
    return dest;
}

class Float2StringTable : public ::testing::TestWithParam<FormatCase> {};

TEST_P(Float2StringTable, ProducesTheExactText)
{
    EXPECT_EQ(formatGuarded(QVHelpers::float2string, GetParam()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Part13Examples, Float2StringTable,
    ::testing::Values(FormatCase{3.14159f, 16, false, 2, "3.14"}, FormatCase{0.96f, 16, false, 1, "1.0"},
                      FormatCase{-0.04f, 16, false, 1, "-0.0"}, FormatCase{2.5f, 16, true, 0, "+3"},
                      FormatCase{12345678.0f, 16, false, 1, "oo"}, FormatCase{-12345678.0f, 16, false, 1, "-oo"},
                      FormatCase{1234.0f, 3, false, 1, "123"}));

INSTANTIATE_TEST_SUITE_P(
    MoreCases, Float2StringTable,
    ::testing::Values(FormatCase{0.0f, 16, true, 0, "0"}, FormatCase{-0.0f, 16, false, 1, "0.0"},
                      FormatCase{10.0f, 16, false, 0, "10"}, FormatCase{-6.02f, 16, true, 1, "-6.0"},
                      FormatCase{12345678.0f, 16, true, 1, "+oo"}, FormatCase{9999999.0f, 16, false, 0, "9999999"},
                      FormatCase{9999999.0f, 16, false, 1, "9999999.0"},
                      FormatCase{9999999.6f, 16, false, 0, "oo"}, // the float is 10^7
                      FormatCase{1.5f, 16, false, 9, "1.5000000"}, FormatCase{0.125f, 16, false, 3, "0.125"},
                      FormatCase{12.345f, 4, false, 2, "12.3"}, // decimals cut to the room left
                      FormatCase{12.3f, 3, false, 1, "12"},     // fewer than 2 characters left: no point
                      FormatCase{5.0f, 0, false, 1, ""}, FormatCase{-5.0f, 1, false, 1, "-"},
                      FormatCase{1.0f, 16, false, -1, "6"}, // negative decimals round at the tens (d = a + 5)
                      FormatCase{1.0f, 16, false, INT_MAX, "1.0000000"}));

INSTANTIATE_TEST_SUITE_P(
    NonFinite, Float2StringTable,
    ::testing::Values(FormatCase{kNaN, 16, false, 1, "oo"}, FormatCase{kNaN, 16, true, 1, "+oo"},
                      FormatCase{kInf, 16, false, 2, "oo"}, FormatCase{kInf, 16, true, 2, "+oo"},
                      FormatCase{-kInf, 16, true, 2, "-oo"}, FormatCase{3.0e38f, 16, false, 7, "oo"},
                      FormatCase{-3.0e38f, 2, false, 7, "-o"}, FormatCase{1.0f, 16, false, -400, "oo"}));

class DB2StringTable : public ::testing::TestWithParam<FormatCase> {};

TEST_P(DB2StringTable, FormatsDecibelsOfALinearAmplitude)
{
    EXPECT_EQ(formatGuarded(QVHelpers::dB2string, GetParam()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Part13Examples, DB2StringTable,
    ::testing::Values(FormatCase{0.5f, 16, false, 1, "-6.0"}, FormatCase{1.0f, 16, false, 1, "0.0"},
                      FormatCase{0.0f, 16, false, 1, "-oo"}, FormatCase{-1.0f, 16, true, 1, "-oo"},
                      FormatCase{kNaN, 16, false, 1, "-oo"}, FormatCase{2.0f, 16, true, 1, "+6.0"},
                      FormatCase{kInf, 16, false, 1, "oo"}, FormatCase{0.5f, 2, false, 1, "-6"}));

TEST(Float2String, NullDestAndNegativeMaxLenWriteNothing)
{
    QVHelpers::float2string(1.5f, nullptr, 10, false, 2);
    QVHelpers::dB2string(0.5f, nullptr, 10, false, 2);
    QVHelpers::dB2string(0.0f, nullptr, 10, false, 2);
    char dest[4] = {'X', 'X', 'X', 'X'};
    QVHelpers::float2string(1.5f, dest, -1, false, 2);
    QVHelpers::dB2string(0.0f, dest, -3, false, 2);
    QVHelpers::long2string(42, dest, -2, true);
    EXPECT_EQ(std::string(dest, 4), "XXXX");
}

struct LongCase
{
    int32_t value;
    bool showPlus;
    const char* expected;
};

TEST(Long2String, FormatsWholeNumbers)
{
    const LongCase cases[] = {{42, true, "+42"}, {42, false, "42"}, {-7, true, "-7"}, {0, true, "0"},
                              {9999999, false, "9999999"}, {INT_MAX, false, "oo"}, {INT_MIN, false, "-oo"}};
    for (const auto& c : cases) {
        char dest[17];
        QVHelpers::long2string(c.value, dest, 16, c.showPlus);
        EXPECT_STREQ(dest, c.expected) << c.value;
    }
}

struct ParseCase
{
    const char* text;
    bool allowSuffix;
    float expected;
};

TEST(String2Float, ParsesTypedValues)
{
    const ParseCase cases[] = {
        {"12,5 k", true, 12500.0f}, {"12,5 k", false, 12.5f}, {"-3dB", false, -3.0f}, {"abc", true, 0.0f},
        {"", true, 0.0f},           {"2m", true, 0.002f},     {"2k", false, 2.0f},    {"1-", false, -1.0f},
        {"0.25", false, 0.25f},     {"1.5.25", false, 15.25f}, // a second separator restarts the decimals
        {"7.", false, 7.0f},        {"+4", false, 4.0f},
    };
    for (const auto& c : cases)
        EXPECT_FLOAT_EQ(QVHelpers::string2float(c.text, c.allowSuffix), c.expected) << c.text;
}

TEST(String2Float, NullTextGivesZeroAndEndlessDigitsDoNotCrash)
{
    EXPECT_EQ(QVHelpers::string2float(nullptr, true), 0.0f);
    const std::string digits(400, '9');
    EXPECT_TRUE(std::isinf(QVHelpers::string2float(digits.c_str(), false)));
}

TEST(ParamMapping, LinearAndLogarithmicRangesAndClamping)
{
    EXPECT_FLOAT_EQ(QVHelpers::param2float(0.5f, 0.0f, 10.0f, false), 5.0f);
    EXPECT_FLOAT_EQ(QVHelpers::param2float(1.5f, 0.0f, 10.0f, false), 10.0f);
    EXPECT_FLOAT_EQ(QVHelpers::param2float(-1.0f, 0.0f, 10.0f, false), 0.0f);
    EXPECT_FLOAT_EQ(QVHelpers::param2float(0.0f, 20.0f, 20000.0f, true), 20.0f);
    EXPECT_FLOAT_EQ(QVHelpers::param2float(1.0f, 20.0f, 20000.0f, true), 20000.0f);
    EXPECT_NEAR(QVHelpers::param2float(0.5f, 20.0f, 20000.0f, true), std::sqrt(20.0f * 20000.0f), 1e-3);

    EXPECT_FLOAT_EQ(QVHelpers::float2param(5.0f, 0.0f, 10.0f, false), 0.5f);
    EXPECT_FLOAT_EQ(QVHelpers::float2param(-5.0f, 0.0f, 10.0f, false), 0.0f);
    EXPECT_FLOAT_EQ(QVHelpers::float2param(50.0f, 0.0f, 10.0f, false), 1.0f);
    EXPECT_NEAR(QVHelpers::float2param(std::sqrt(20.0f * 20000.0f), 20.0f, 20000.0f, true), 0.5f, 1e-6);
    EXPECT_FLOAT_EQ(QVHelpers::float2param(10.0f, 20.0f, 20000.0f, true), 0.0f);
    EXPECT_FLOAT_EQ(QVHelpers::float2param(30000.0f, 20.0f, 20000.0f, true), 1.0f);

    for (float p : {0.0f, 0.1f, 0.37f, 0.8f, 1.0f}) {
        EXPECT_NEAR(QVHelpers::float2param(QVHelpers::param2float(p, 20.0f, 20000.0f, true), 20.0f, 20000.0f, true),
                    p, 1e-6);
        EXPECT_NEAR(QVHelpers::float2param(QVHelpers::param2float(p, -12.0f, 12.0f, false), -12.0f, 12.0f, false), p,
                    1e-6);
    }
}

TEST(DspWords, FullScaleAndHalfScale)
{
    EXPECT_EQ(QVHelpers::double2dsp(1.0, 0), 0x7FFFFF);
    EXPECT_EQ(QVHelpers::double2dsp(-1.0, 0), static_cast<int32_t>(0xFF800000));
    EXPECT_EQ(QVHelpers::double2dsp(0.5, 0), 0x400000);
    EXPECT_EQ(QVHelpers::double2dsp(-0.5, 0), -0x400000);
    EXPECT_EQ(QVHelpers::double2dsp(3.0, 2), static_cast<int32_t>(0.75 * 8388608.0));
    EXPECT_EQ(QVHelpers::double2dsp(1e300, 0), 0x7FFFFF);
    EXPECT_EQ(QVHelpers::double2dsp(-1e300, 0), static_cast<int32_t>(0xFF800000));
    EXPECT_EQ(QVHelpers::double2dsp(std::numeric_limits<double>::quiet_NaN(), 0), 0);

    EXPECT_DOUBLE_EQ(QVHelpers::dsp2double(0x400000, 0), 0.5);
    EXPECT_DOUBLE_EQ(QVHelpers::dsp2double(static_cast<int32_t>(0xFF800000), 0), -1.0);
    EXPECT_DOUBLE_EQ(QVHelpers::dsp2double(0x12400000, 0), 0.5); // only the low 24 bits count
    EXPECT_DOUBLE_EQ(QVHelpers::dsp2double(0x800000, 0), -1.0);  // bit 23 is the sign
}

TEST(DspWords, RoundTripWithinOneStepOfTheShiftedScale)
{
    for (int32_t shift : {0, 1, 3, 8}) {
        const double limit = std::ldexp(1.0, shift);
        for (double x : {0.0, 0.3, -0.3, 0.999, -0.999, 0.123456789}) {
            const double value = x * limit;
            EXPECT_NEAR(QVHelpers::dsp2double(QVHelpers::double2dsp(value, shift), shift), value,
                        std::ldexp(1.0, shift - 23))
                << value << " shift " << shift;
        }
    }
}

TEST(KillDenormal, TinyValuesBecomeZeroOthersSurvive)
{
    EXPECT_EQ(QVHelpers::floatKillDenormal(1e-30f), 0.0f);
    EXPECT_EQ(QVHelpers::floatKillDenormal(-1e-26f), 0.0f);
    EXPECT_EQ(QVHelpers::floatKillDenormal(std::numeric_limits<float>::denorm_min()), 0.0f);
    EXPECT_EQ(QVHelpers::floatKillDenormal(0.5f), 0.5f);
    EXPECT_EQ(QVHelpers::floatKillDenormal(-1.0f), -1.0f);
    EXPECT_EQ(QVHelpers::doubleKillDenormal(1e-300), 0.0);
    EXPECT_EQ(QVHelpers::doubleKillDenormal(std::numeric_limits<double>::denorm_min()), 0.0);
    EXPECT_EQ(QVHelpers::doubleKillDenormal(0.25), 0.25);
}

} // namespace
