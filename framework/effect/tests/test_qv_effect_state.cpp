// Effect state blob: the bytes written, round trips, and short, long and garbage blobs.
#include "QVEffect.h"
#include "QVEndian.h"
#include "TestEffect.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes saved(QVEffect& fx)
{
    Bytes blob(static_cast<size_t>(fx.getStateSize()));
    fx.saveState(blob.data());
    return blob;
}

void putWord(Bytes& blob, uint32_t word)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        blob.push_back(static_cast<unsigned char>(word >> shift));
}

void putFloat(Bytes& blob, float value)
{
    uint32_t word;
    std::memcpy(&word, &value, 4);
    putWord(blob, word);
}

uint32_t bitsOf(float value)
{
    uint32_t word;
    std::memcpy(&word, &value, 4);
    return word;
}

// ---------------------------------------------------------------- bytes written

TEST(StateBlob, MeterExampleIsTwelveBigEndianBytes)
{
    MeterShapedEffect fx; // bank 0, Mono On, Link Off
    EXPECT_EQ(fx.getStateSize(), 12);
    unsigned char blob[16];
    std::memset(blob, 0xAA, sizeof blob);
    fx.saveState(blob);
    const unsigned char expected[12] = {0x00, 0x00, 0x00, 0x00, 0x3F, 0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    EXPECT_EQ(std::memcmp(blob, expected, 12), 0);
    for (int i = 12; i < 16; ++i)
        EXPECT_EQ(blob[i], 0xAA) << "wrote past the state size at " << i;
}

TEST(StateBlob, LayoutIsBankThenValuesBankByBank)
{
    TestEffect fx;
    fx.setBank(1, false);
    fx.setParameter(TestEffect::kTone, 0.75f, false, false);
    EXPECT_EQ(fx.getStateSize(), 4 + 4 * 2 * 4);
    Bytes expected;
    putWord(expected, 1);
    for (float v : {TestEffect::kGainDefault, TestEffect::kModeDefault, TestEffect::kShapeDefault,
                    TestEffect::toneDefault(0), TestEffect::kGainDefault, TestEffect::kModeDefault,
                    TestEffect::kShapeDefault, 0.75f})
        putFloat(expected, v);
    EXPECT_EQ(saved(fx), expected);
}

TEST(StateBlob, NothingIsWrittenBeforeInitOrToANullPointer)
{
    QVEffect fx(QVEffect::kPluginTypeQuery, 2, 1, 2, 0, 0);
    unsigned char blob[12];
    std::memset(blob, 0xAA, sizeof blob);
    fx.saveState(blob);
    for (unsigned char b : blob)
        EXPECT_EQ(b, 0xAA);
    TestEffect initialised;
    initialised.saveState(nullptr);
}

// ---------------------------------------------------------------- round trip

TEST(StateBlob, RoundTripReproducesBankAndValuesBitForBit)
{
    TestEffect source;
    source.setParameter(TestEffect::kGain, 1.0f / 3.0f, false, false);
    source.setParameter(TestEffect::kTone, 0.1f, false, false);
    source.setBank(1, false);
    source.setParameter(TestEffect::kTone, std::numeric_limits<float>::denorm_min(), false, false);
    source.setParameter(TestEffect::kShape, 0.0f, false, false);
    const Bytes blob = saved(source);

    TestEffect target;
    EXPECT_TRUE(target.restoreState(blob.data(), static_cast<int32_t>(blob.size()), false));
    EXPECT_EQ(target.getBank(), 1);
    EXPECT_EQ(saved(target), blob);
    for (int32_t slot = 0; slot < 2 * TestEffect::kParameterCount; ++slot)
        EXPECT_EQ(bitsOf(target.rawValue(slot)), bitsOf(source.rawValue(slot))) << slot;
}

// ---------------------------------------------------------------- restore order and notify

TEST(StateBlob, RestoreWithNotifyUpdatesAndReportsEveryParameterInOrderThenRefreshesOnce)
{
    MeterShapedEffect fx;
    fx.attachCallback();
    fx.log.clear();
    const unsigned char blob[12] = {0, 0, 0, 0, 0x00, 0x00, 0x00, 0x00, 0x3F, 0x80, 0x00, 0x00}; // Mono Off, Link On
    EXPECT_TRUE(fx.restoreState(blob, 12, true));
    const EventLog expected{updateEvent(QVEffect::kUpdateParameter, 0),
                            callbackEvent(QVEffect::kCallbackParameterChanged, 0, 0.0f),
                            updateEvent(QVEffect::kUpdateParameter, 1),
                            callbackEvent(QVEffect::kCallbackParameterChanged, 1, 1.0f), editorEvent()};
    EXPECT_EQ(fx.log, expected);
}

TEST(StateBlob, RestoreWithoutNotifySendsNoCallbacks)
{
    MeterShapedEffect fx;
    fx.attachCallback();
    fx.log.clear();
    const Bytes blob = saved(fx);
    EXPECT_TRUE(fx.restoreState(blob.data(), 12, false));
    const EventLog expected{updateEvent(QVEffect::kUpdateParameter, 0), updateEvent(QVEffect::kUpdateParameter, 1),
                            editorEvent()};
    EXPECT_EQ(fx.log, expected);
}

TEST(StateBlob, RestoreSetsTheBankWithoutSetBankNotifications)
{
    TestEffect fx;
    fx.attachCallback();
    Bytes blob = saved(fx);
    blob[3] = 1;
    fx.log.clear();
    EXPECT_TRUE(fx.restoreState(blob.data(), static_cast<int32_t>(blob.size()), false));
    EXPECT_EQ(fx.getBank(), 1);
    EXPECT_EQ(fx.log.size(), static_cast<size_t>(TestEffect::kParameterCount + 1));
}

// ---------------------------------------------------------------- short and odd blobs

TEST(StateBlob, FourByteBlobRestoresOnlyTheBank)
{
    TestEffect fx;
    fx.setParameter(TestEffect::kTone, 0.6f, false, false);
    fx.log.clear();
    const unsigned char blob[4] = {0, 0, 0, 1};
    EXPECT_TRUE(fx.restoreState(blob, 4, false));
    EXPECT_EQ(fx.getBank(), 1);
    EXPECT_EQ(fx.rawValue(TestEffect::kTone), 0.6f);
    EXPECT_EQ(fx.getParameter(TestEffect::kTone), TestEffect::toneDefault(1));
    EventLog expected;
    for (int32_t p = 0; p < TestEffect::kParameterCount; ++p)
        expected.push_back(updateEvent(QVEffect::kUpdateParameter, p));
    expected.push_back(editorEvent());
    EXPECT_EQ(fx.log, expected);
}

TEST(StateBlob, ShortOrNullBlobsAreRefusedAndChangeNothing)
{
    MeterShapedEffect fx;
    fx.attachCallback();
    const Bytes before = saved(fx);
    fx.log.clear();
    const unsigned char blob[12] = {0, 0, 0, 0, 0, 0, 0, 0, 0x3F, 0x80, 0, 0};
    for (int32_t size : {3, 1, 0, -1, -12, INT_MIN})
        EXPECT_FALSE(fx.restoreState(blob, size, true)) << size;
    EXPECT_FALSE(fx.restoreState(nullptr, 12, true));
    EXPECT_FALSE(fx.restoreState(nullptr, INT_MAX, true));
    EXPECT_TRUE(fx.log.empty());
    EXPECT_EQ(saved(fx), before);
}

struct BankCase
{
    uint32_t stored;
    int32_t banks;
    int32_t restored;
};

TEST(StateBlob, BankIndexIsClampedNotRefused)
{
    const BankCase cases[] = {{7, 1, 0}, {7, 2, 1}, {1, 2, 1}, {0xFFFFFFFB, 2, 0}, {0x80000000, 2, 0},
                              {0x7FFFFFFF, 2, 1}};
    for (const auto& c : cases) {
        TestEffect fx(QVEffect::kChannelModeStereo, c.banks);
        Bytes blob;
        putWord(blob, c.stored);
        EXPECT_TRUE(fx.restoreState(blob.data(), 4, false));
        EXPECT_EQ(fx.getBank(), c.restored) << c.stored << " with " << c.banks << " banks";
    }
}

TEST(StateBlob, FourteenByteMeterBlobReadsTwoFloatsAndIgnoresTheRest)
{
    MeterShapedEffect fx;
    Bytes blob;
    putWord(blob, 0);
    putFloat(blob, 0.0f);
    putFloat(blob, 1.0f);
    blob.push_back(0x3F);
    blob.push_back(0x80);
    EXPECT_TRUE(fx.restoreState(blob.data(), 14, false));
    EXPECT_EQ(fx.getParameter(0), 0.0f);
    EXPECT_EQ(fx.getParameter(1), 1.0f);
}

TEST(StateBlob, OutOfRangeAndNonFiniteValuesAreClamped)
{
    const float inf = std::numeric_limits<float>::infinity();
    const struct
    {
        float stored;
        float restored;
    } cases[] = {{1.5f, 1.0f}, {-0.25f, 0.0f}, {inf, 1.0f}, {-inf, 0.0f},
                 {std::numeric_limits<float>::quiet_NaN(), 0.0f}, {0.5f, 0.5f}};
    for (const auto& c : cases) {
        MeterShapedEffect fx;
        Bytes blob;
        putWord(blob, 0);
        putFloat(blob, c.stored);
        putFloat(blob, c.stored);
        EXPECT_TRUE(fx.restoreState(blob.data(), 12, false));
        EXPECT_EQ(fx.getParameter(0), c.restored) << c.stored;
        EXPECT_EQ(fx.getParameter(1), c.restored) << c.stored;
    }
}

TEST(StateBlob, LongerGroupsRestoreTheCommonParametersOfEveryBank)
{
    // Saved by a version with 5 parameters per bank; the effect now has 4.
    TestEffect fx;
    Bytes blob;
    putWord(blob, 1);
    for (int32_t b = 0; b < 2; ++b)
        for (int32_t i = 0; i < 5; ++i)
            putFloat(blob, 0.1f * static_cast<float>(i + 1) + 0.01f * static_cast<float>(b));
    EXPECT_TRUE(fx.restoreState(blob.data(), static_cast<int32_t>(blob.size()), false));
    for (int32_t b = 0; b < 2; ++b)
        for (int32_t i = 0; i < 4; ++i)
            EXPECT_EQ(fx.rawValue(i + 4 * b), 0.1f * static_cast<float>(i + 1) + 0.01f * static_cast<float>(b))
                << "bank " << b << " parameter " << i;
}

TEST(StateBlob, ShorterGroupsLeaveTheNewerParametersAlone)
{
    // Saved by a version with 2 parameters per bank, plus 3 trailing bytes.
    TestEffect fx;
    Bytes blob;
    putWord(blob, 0);
    for (float v : {0.9f, 0.0f, 0.8f, 1.0f})
        putFloat(blob, v);
    blob.insert(blob.end(), {1, 2, 3});
    EXPECT_TRUE(fx.restoreState(blob.data(), static_cast<int32_t>(blob.size()), false));
    const float expected[8] = {0.9f, 0.0f, TestEffect::kShapeDefault, TestEffect::toneDefault(0),
                               0.8f, 1.0f, TestEffect::kShapeDefault, TestEffect::toneDefault(1)};
    for (int32_t slot = 0; slot < 8; ++slot)
        EXPECT_EQ(fx.rawValue(slot), expected[slot]) << slot;
}

TEST(StateBlob, GarbageOfAnyLengthIsAcceptedIntoRange)
{
    uint32_t seed = 12345;
    auto nextByte = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<unsigned char>(seed >> 24);
    };
    for (int32_t size = 0; size <= 80; ++size) {
        for (int round = 0; round < 8; ++round) {
            TestEffect fx;
            Bytes blob(static_cast<size_t>(size) + 1); // +1 so data() is never null
            for (auto& b : blob)
                b = nextByte();
            EXPECT_EQ(fx.restoreState(blob.data(), size, true), size >= 4);
            EXPECT_GE(fx.getBank(), 0);
            EXPECT_LT(fx.getBank(), 2);
            for (int32_t slot = 0; slot < 8; ++slot) {
                EXPECT_GE(fx.rawValue(slot), 0.0f);
                EXPECT_LE(fx.rawValue(slot), 1.0f);
            }
        }
    }
}

TEST(StateBlob, RestoreWorksWhetherOrNotTheTableWasInitialised)
{
    QVEffect fx(QVEffect::kPluginTypeQuery, 2, 1, 2, 0, 0);
    Bytes blob;
    putWord(blob, 0);
    putFloat(blob, 0.5f);
    putFloat(blob, 0.25f);
    EXPECT_TRUE(fx.restoreState(blob.data(), 12, true));
}

} // namespace
