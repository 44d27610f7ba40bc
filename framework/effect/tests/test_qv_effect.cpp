// Effect base class, driven through a small concrete effect.
#include "QVEffect.h"
#include "TestEffect.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace {

using ::testing::TestWithParam;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

EventLog initSequence(int32_t parameterCount)
{
    EventLog expected{updateEvent(QVEffect::kUpdateInit)};
    for (int32_t p = 0; p < parameterCount; ++p)
        expected.push_back(updateEvent(QVEffect::kUpdateParameter, p));
    expected.push_back(updateEvent(QVEffect::kUpdateResetProcessing));
    expected.push_back(updateEvent(QVEffect::kUpdateResetMeters));
    expected.push_back(updateEvent(QVEffect::kUpdateResetClips));
    return expected;
}

struct Buffers
{
    float left[8] = {};
    float right[8] = {};
    float* channels[2] = {left, right};
};

// ---------------------------------------------------------------- construction and init

TEST(QVEffectInit, ConstructorInitLoadsDefaultsAndSendsTheInitSequence)
{
    TestEffect fx;
    EXPECT_EQ(fx.log, initSequence(TestEffect::kParameterCount));
    EXPECT_EQ(fx.getParameter(TestEffect::kGain), TestEffect::kGainDefault);
    EXPECT_EQ(fx.getParameter(TestEffect::kMode), TestEffect::kModeDefault);
    EXPECT_EQ(fx.getParameter(TestEffect::kShape), TestEffect::kShapeDefault);
    EXPECT_EQ(fx.getParameter(TestEffect::kTone), TestEffect::toneDefault(0));
    EXPECT_EQ(fx.getBank(), 0);
    EXPECT_EQ(fx.getUpdateCounter(), 0);
}

TEST(QVEffectInit, FieldsStartAtTheirInitialValues)
{
    TestEffect fx;
    EXPECT_EQ(fx.getPluginType(), QVEffect::kPluginTypeRealTime);
    EXPECT_EQ(fx.getChannelMode(), QVEffect::kChannelModeStereo);
    EXPECT_EQ(fx.getBankCount(), 2);
    EXPECT_EQ(fx.getParameterCount(), 4);
    EXPECT_EQ(fx.getMeterCount(), 3);
    EXPECT_EQ(fx.getClipCount(), 2);
    EXPECT_EQ(fx.getSampleRate(), 44100.0f);
    EXPECT_EQ(fx.getBlockSize(), 2048);
    EXPECT_FALSE(fx.getBypass());
    EXPECT_FALSE(fx.getSidechain());
    EXPECT_EQ(fx.getLatency(), 0);
    EXPECT_EQ(fx.getFlags(), 0);
    EXPECT_EQ(fx.getCategories(), 0);
    EXPECT_EQ(fx.createEditor(), nullptr);
    EXPECT_FALSE(fx.transferCustomData(0, 0, nullptr, 0));
    EXPECT_EQ(fx.getParameterDisplayIndex(7, 3), 3);
    EXPECT_EQ(fx.getClip(0), 0);
    EXPECT_EQ(fx.getMeterType(0), 0);
    EXPECT_EQ(fx.getMeter(0), fx.meterLevel); // base getMeter is getMeterLinear
}

struct ChannelModeCase
{
    int32_t mode;
    int32_t channels;
};

class QVEffectChannelMode : public TestWithParam<ChannelModeCase> {};

TEST_P(QVEffectChannelMode, ModeGivesInitialChannelCounts)
{
    TestEffect fx(GetParam().mode);
    EXPECT_EQ(fx.getInputCount(), GetParam().channels);
    EXPECT_EQ(fx.getOutputCount(), GetParam().channels);
}

INSTANTIATE_TEST_SUITE_P(Modes, QVEffectChannelMode,
                         ::testing::Values(ChannelModeCase{0, 0}, ChannelModeCase{1, 1}, ChannelModeCase{2, 2},
                                           ChannelModeCase{3, 0}, ChannelModeCase{-1, 0}));

TEST(QVEffectInit, ChannelModeZeroFailsProcessingUntilAConfigIsSet)
{
    TestEffect fx(QVEffect::kChannelModeAny);
    Buffers io;
    EXPECT_FALSE(fx.checkProcessFloat(io.channels, io.channels, 8));
    EXPECT_TRUE(fx.setChannelConfig(2, 2));
    EXPECT_TRUE(fx.checkProcessFloat(io.channels, io.channels, 8));
}

TEST(QVEffectInit, BaseClassBeforeInitHoldsNoValues)
{
    QVEffect fx(QVEffect::kPluginTypeQuery, 2, 2, 3, 0, 0);
    Buffers io;
    EXPECT_EQ(fx.getParameter(0), 0.0f);
    EXPECT_FALSE(fx.checkProcessFloat(io.channels, io.channels, 8)); // processingReady not yet set
    fx.setBank(1, true);
    EXPECT_EQ(fx.getBank(), 0);
    fx.setParameter(0, 0.5f, false, false);
    EXPECT_EQ(fx.getParameter(0), 0.0f);
    unsigned char blob[4 + 4 * 6];
    std::memset(blob, 0xAA, sizeof blob);
    fx.saveState(blob);
    for (unsigned char b : blob)
        EXPECT_EQ(b, 0xAA);

    fx.init();
    EXPECT_EQ(fx.getParameter(0), 0.0f);
    EXPECT_TRUE(fx.checkProcessFloat(io.channels, io.channels, 8));
}

TEST(QVEffectInit, LaterInitKeepsStoredValues)
{
    TestEffect fx;
    fx.setParameter(TestEffect::kTone, 0.75f, false, false);
    fx.init();
    EXPECT_EQ(fx.getParameter(TestEffect::kTone), 0.75f);
}

TEST(QVEffectInit, DestructorOfTheConcreteEffectRunsDeinit)
{
    auto* fx = new TestEffect;
    EventLog* log = &fx->log;
    fx->deinit();
    EXPECT_EQ(log->back(), updateEvent(QVEffect::kUpdateDeinit));
    delete static_cast<QVEffect*>(fx); // virtual destructor
}

// ---------------------------------------------------------------- sample rate and block size

TEST(QVEffectSampleRate, ReinitialisesAndKeepsParameterValues)
{
    TestEffect fx;
    fx.setParameter(TestEffect::kTone, 0.3f, false, false);
    fx.log.clear();
    fx.setSampleRateBlockSize(96000.0f, 256);
    EventLog expected{updateEvent(QVEffect::kUpdateDeinit)};
    for (const auto& e : initSequence(TestEffect::kParameterCount))
        expected.push_back(e);
    EXPECT_EQ(fx.log, expected);
    EXPECT_EQ(fx.getSampleRate(), 96000.0f);
    EXPECT_EQ(fx.getBlockSize(), 256);
    EXPECT_EQ(fx.getParameter(TestEffect::kTone), 0.3f);
}

TEST(QVEffectSampleRate, NonPositiveArgumentsLeaveTheirFieldButStillReinitialise)
{
    TestEffect fx;
    fx.setSampleRateBlockSize(0.0f, 512);
    EXPECT_EQ(fx.getSampleRate(), 44100.0f);
    EXPECT_EQ(fx.getBlockSize(), 512);

    fx.log.clear();
    fx.setSampleRateBlockSize(-48000.0f, -1);
    EXPECT_EQ(fx.getSampleRate(), 44100.0f);
    EXPECT_EQ(fx.getBlockSize(), 512);
    EXPECT_EQ(fx.log.front(), updateEvent(QVEffect::kUpdateDeinit));
    EXPECT_EQ(fx.log.size(), 1 + initSequence(TestEffect::kParameterCount).size());

    fx.setSampleRateBlockSize(kNaN, 0);
    fx.setSampleRateBlockSize(std::numeric_limits<float>::infinity(), INT_MIN);
    EXPECT_EQ(fx.getSampleRate(), 44100.0f);
    EXPECT_EQ(fx.getBlockSize(), 512);
}

// ---------------------------------------------------------------- setParameter

struct SetCase
{
    int32_t index;
    float before;
    float value;
    float stored;
};

std::ostream& operator<<(std::ostream& out, const SetCase& c)
{
    return out << "index " << c.index << " from " << c.before << " set " << c.value;
}

class QVEffectSetParameter : public TestWithParam<SetCase> {};

TEST_P(QVEffectSetParameter, SnapsToStepsAndClamps)
{
    const SetCase c = GetParam();
    TestEffect fx;
    fx.setParameter(c.index, c.before, false, false);
    ASSERT_EQ(fx.getParameter(c.index), c.before);
    fx.setParameter(c.index, c.value, false, false);
    EXPECT_EQ(fx.getParameter(c.index), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Part11Examples, QVEffectSetParameter,
    ::testing::Values(SetCase{TestEffect::kMode, 0.0f, 0.74f, 1.0f}, SetCase{TestEffect::kMode, 1.0f, 0.49f, 0.0f},
                      SetCase{TestEffect::kMode, 0.0f, 1.6f, 0.0f}, // lands on step 2 of 0..1: unchanged
                      SetCase{TestEffect::kMode, 1.0f, 1.6f, 1.0f},
                      SetCase{TestEffect::kTone, 0.5f, 1.6f, 1.0f}, SetCase{TestEffect::kTone, 0.5f, -0.2f, 0.0f}));

INSTANTIATE_TEST_SUITE_P(
    Steps, QVEffectSetParameter,
    ::testing::Values(SetCase{TestEffect::kMode, 1.0f, -0.2f, 0.0f},  // step 0
                      SetCase{TestEffect::kMode, 1.0f, -1.5f, 1.0f},  // step -1: unchanged
                      SetCase{TestEffect::kMode, 0.0f, 1.49f, 1.0f},  // still step 1
                      SetCase{TestEffect::kShape, 0.0f, 0.3f, 0.5f}, SetCase{TestEffect::kShape, 0.0f, 0.8f, 1.0f},
                      SetCase{TestEffect::kShape, 0.5f, 1.25f, 0.5f}, // at 1 + 0.5/(n-1): step 3, unchanged
                      SetCase{TestEffect::kShape, 0.5f, 1.24f, 1.0f}, SetCase{TestEffect::kShape, 0.5f, -0.74f, 0.0f},
                      SetCase{TestEffect::kShape, 0.5f, -0.75f, 0.5f}, // at -1.5/(n-1): unchanged
                      SetCase{TestEffect::kShape, 0.5f, 1e30f, 0.5f}, SetCase{TestEffect::kShape, 0.5f, -1e30f, 0.5f}));

INSTANTIATE_TEST_SUITE_P(
    NotANumber, QVEffectSetParameter,
    ::testing::Values(SetCase{TestEffect::kTone, 0.5f, kNaN, 0.5f}, SetCase{TestEffect::kMode, 1.0f, kNaN, 1.0f},
                      SetCase{TestEffect::kTone, 0.5f, std::numeric_limits<float>::infinity(), 1.0f},
                      SetCase{TestEffect::kTone, 0.5f, -std::numeric_limits<float>::infinity(), 0.0f}));

TEST(QVEffectSetParameter, NotifyOrderIsUpdateThenCallbackThenEditor)
{
    TestEffect fx;
    fx.attachCallback();
    fx.log.clear();
    fx.setParameter(TestEffect::kTone, 1.7f, true, false);
    const EventLog expected{updateEvent(QVEffect::kUpdateParameter, TestEffect::kTone),
                            callbackEvent(QVEffect::kCallbackParameterChanged, TestEffect::kTone, 1.0f), editorEvent()};
    EXPECT_EQ(fx.log, expected);
    EXPECT_EQ(fx.getUpdateCounter(), 1);
}

TEST(QVEffectSetParameter, WithoutNotifyNoCallback)
{
    TestEffect fx;
    fx.attachCallback();
    fx.log.clear();
    fx.setParameter(TestEffect::kTone, 0.5f, false, false);
    const EventLog expected{updateEvent(QVEffect::kUpdateParameter, TestEffect::kTone), editorEvent()};
    EXPECT_EQ(fx.log, expected);
}

TEST(QVEffectSetParameter, OutOfRangeIndexStoresNothingButStillUpdatesAndRefreshes)
{
    for (int32_t index : {-1, 4, INT_MAX, INT_MIN}) {
        TestEffect fx;
        fx.attachCallback();
        fx.log.clear();
        fx.setParameter(index, 0.9f, true, false);
        const EventLog expected{updateEvent(QVEffect::kUpdateParameter, index), editorEvent()};
        EXPECT_EQ(fx.log, expected) << index;
        EXPECT_EQ(fx.getParameter(index), 0.0f);
        for (int32_t p = 0; p < TestEffect::kParameterCount; ++p)
            EXPECT_EQ(fx.getParameter(p), TestEffect().getParameter(p)) << index;
    }
}

TEST(QVEffectSetParameter, GlobalParameterSharesOneValueAcrossBanks)
{
    TestEffect fx;
    fx.setBank(1, false);
    fx.setParameter(TestEffect::kGain, 0.9f, false, false);
    fx.setParameter(TestEffect::kTone, 0.8f, false, false);
    EXPECT_EQ(fx.rawValue(TestEffect::kGain), 0.9f);                                  // bank-0 slot
    EXPECT_EQ(fx.rawValue(TestEffect::kGain + TestEffect::kParameterCount), 0.25f);   // bank-1 slot unused
    EXPECT_EQ(fx.rawValue(TestEffect::kTone + TestEffect::kParameterCount), 0.8f);
    fx.setBank(0, false);
    EXPECT_EQ(fx.getParameter(TestEffect::kGain), 0.9f);
    EXPECT_EQ(fx.getParameter(TestEffect::kTone), TestEffect::toneDefault(0));
}

// ---------------------------------------------------------------- steps

struct StepCase
{
    int32_t index;
    float value;
    int32_t step;
};

TEST(QVEffectSteps, StepFromValueRoundsAndClamps)
{
    TestEffect fx;
    const StepCase cases[] = {
        {TestEffect::kShape, 0.0f, 0},  {TestEffect::kShape, 0.24f, 0}, {TestEffect::kShape, 0.26f, 1},
        {TestEffect::kShape, 0.74f, 1}, {TestEffect::kShape, 0.76f, 2}, {TestEffect::kShape, 1.0f, 2},
        {TestEffect::kShape, 5.0f, 2},  {TestEffect::kShape, -3.0f, 0}, {TestEffect::kShape, kNaN, 0},
        {TestEffect::kShape, 1e30f, 2}, {TestEffect::kMode, 0.5f, 1},   {TestEffect::kTone, 0.9f, 0},
        {-1, 0.9f, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fx.getParameterStepFromValue(c.index, c.value), c.step) << c.index << " " << c.value;
    EXPECT_EQ(fx.getParameterStep(TestEffect::kShape), 1);
}

TEST(QVEffectSteps, ParameterFromStepOutsideTheStepsIsTheCurrentValue)
{
    TestEffect fx;
    EXPECT_EQ(fx.getParameterFromStep(TestEffect::kShape, 1), 0.5f);
    EXPECT_EQ(fx.getParameterFromStep(TestEffect::kShape, 2), 1.0f);
    fx.setParameter(TestEffect::kShape, 0.0f, false, false);
    EXPECT_EQ(fx.getParameterFromStep(TestEffect::kShape, 3), 0.0f); // current value, not 1.0
    EXPECT_EQ(fx.getParameterFromStep(TestEffect::kShape, -1), 0.0f);
    EXPECT_EQ(fx.getParameterFromStep(TestEffect::kTone, 1), TestEffect::toneDefault(0)); // continuous
    EXPECT_EQ(fx.getParameterFromString(TestEffect::kTone, "0.9"), TestEffect::toneDefault(0));
    EXPECT_EQ(fx.getParameterFromString(TestEffect::kTone, nullptr), TestEffect::toneDefault(0));
}

// ---------------------------------------------------------------- banks

TEST(QVEffectBank, SetBankUpdatesEveryParameterNotifiesAndRefreshesOnce)
{
    TestEffect fx;
    fx.attachCallback();
    fx.log.clear();
    fx.setBank(1, true);
    EventLog expected;
    const float bank1[] = {TestEffect::kGainDefault, TestEffect::kModeDefault, TestEffect::kShapeDefault,
                           TestEffect::toneDefault(1)};
    for (int32_t p = 0; p < TestEffect::kParameterCount; ++p) {
        expected.push_back(updateEvent(QVEffect::kUpdateParameter, p));
        expected.push_back(callbackEvent(QVEffect::kCallbackParameterChanged, p, bank1[p]));
    }
    expected.push_back(editorEvent());
    EXPECT_EQ(fx.log, expected);
    EXPECT_EQ(fx.getBank(), 1);
}

TEST(QVEffectBank, SetBankWithoutNotifySendsNoCallbacks)
{
    TestEffect fx;
    fx.attachCallback();
    fx.log.clear();
    fx.setBank(1, false);
    EXPECT_EQ(fx.log.size(), static_cast<size_t>(TestEffect::kParameterCount + 1));
    for (const auto& e : fx.log)
        EXPECT_NE(e.kind, EffectEvent::kCallback);
}

TEST(QVEffectBank, InvalidBankDoesNothing)
{
    for (int32_t index : {-1, 2, INT_MAX, INT_MIN}) {
        TestEffect fx;
        fx.attachCallback();
        fx.log.clear();
        fx.setBank(index, true);
        EXPECT_TRUE(fx.log.empty()) << index;
        EXPECT_EQ(fx.getBank(), 0);
    }
}

// ---------------------------------------------------------------- update codes and callbacks

TEST(QVEffectUpdates, EachOperationSendsItsUpdateCode)
{
    TestEffect fx;
    fx.log.clear();
    fx.setBypass(true);
    fx.setSidechain(true);
    fx.touchParameter(2);
    fx.releaseParameter(2);
    fx.resetMeters();
    fx.resetClips();
    fx.resetProcessing();
    EXPECT_TRUE(fx.setChannelConfig(1, 1));
    EXPECT_FALSE(fx.setChannelConfig(2, 1));
    fx.updateParameter(9);
    const EventLog expected{
        updateEvent(QVEffect::kUpdateBypass),          updateEvent(QVEffect::kUpdateSidechain),
        updateEvent(QVEffect::kUpdateTouch, 2),        updateEvent(QVEffect::kUpdateRelease, 2),
        updateEvent(QVEffect::kUpdateResetMeters),     updateEvent(QVEffect::kUpdateResetClips),
        updateEvent(QVEffect::kUpdateResetProcessing), updateEvent(QVEffect::kUpdateResetMeters),
        updateEvent(QVEffect::kUpdateResetClips),      updateEvent(QVEffect::kUpdateChannelConfig),
        updateEvent(QVEffect::kUpdateParameter, 9),
    };
    EXPECT_EQ(fx.log, expected);
    EXPECT_TRUE(fx.getBypass());
    EXPECT_TRUE(fx.getSidechain());
    EXPECT_EQ(fx.getInputCount(), 1);
    EXPECT_EQ(fx.getOutputCount(), 1);
}

TEST(QVEffectCallback, ReportsAreDroppedBeforeSetCallback)
{
    TestEffect fx;
    EXPECT_FALSE(fx.sendCallback(QVEffect::kCallbackParameterChanged, 0, 0.5f, nullptr, 0));
    EXPECT_FALSE(fx.doIdle());
    fx.setParameter(0, 0.5f, true, false); // no crash, nothing reported
}

TEST(QVEffectCallback, CallbackGetsContextAndArgumentsAndItsResultIsReturned)
{
    TestEffect fx;
    fx.attachCallback();
    fx.log.clear();
    EXPECT_TRUE(fx.doIdle());
    EXPECT_TRUE(fx.sendCallback(QVEffect::kCallbackResizeWindow, (211 << 16) | 776, 0.0f, nullptr, 0));
    EXPECT_FALSE(fx.sendCallback(7, 1, 0.25f, nullptr, 0)); // the receiver refuses unknown codes
    const EventLog expected{callbackEvent(QVEffect::kCallbackIdle, 0, 0.0f),
                            callbackEvent(QVEffect::kCallbackResizeWindow, (211 << 16) | 776, 0.0f),
                            callbackEvent(7, 1, 0.25f)};
    EXPECT_EQ(fx.log, expected);
    fx.setCallback(nullptr, nullptr);
    EXPECT_FALSE(fx.doIdle());
}

TEST(QVEffectUpdateCounter, WrapsAfter1024Updates)
{
    TestEffect fx;
    for (int i = 0; i < 1023; ++i)
        fx.updateEditor();
    EXPECT_EQ(fx.getUpdateCounter(), 1023);
    fx.updateEditor();
    EXPECT_EQ(fx.getUpdateCounter(), 0);
}

// ---------------------------------------------------------------- channels and processing

TEST(QVEffectChannels, CheckChannelConfigAcceptsEqualCountsFromOneToEight)
{
    TestEffect fx;
    EXPECT_TRUE(fx.checkChannelConfig(8, 8));
    EXPECT_TRUE(fx.checkChannelConfig(1, 1));
    EXPECT_FALSE(fx.checkChannelConfig(9, 9));
    EXPECT_FALSE(fx.checkChannelConfig(2, 1));
    EXPECT_FALSE(fx.checkChannelConfig(0, 0));
    EXPECT_FALSE(fx.checkChannelConfig(-2, -2));
}

TEST(QVEffectChannels, RefusedConfigKeepsTheOldOne)
{
    TestEffect fx;
    fx.log.clear();
    EXPECT_FALSE(fx.setChannelConfig(9, 9));
    EXPECT_FALSE(fx.setChannelConfig(0, 0));
    EXPECT_TRUE(fx.log.empty());
    EXPECT_EQ(fx.getInputCount(), 2);
    EXPECT_EQ(fx.getOutputCount(), 2);
}

struct ProcessCase
{
    int32_t frames;
    bool nullInputs;
    bool nullOutputs;
    bool accepted;
};

TEST(QVEffectProcessing, CheckProcessFloatBoundsFramesAndPointers)
{
    TestEffect fx;
    fx.setSampleRateBlockSize(48000.0f, 8);
    const ProcessCase cases[] = {
        {8, false, false, true},  {9, false, false, false}, {0, false, false, true}, {-1, false, false, false},
        {4, true, false, false},  {4, false, true, false},  {INT_MIN, false, false, false},
    };
    Buffers io;
    for (const auto& c : cases)
        EXPECT_EQ(fx.checkProcessFloat(c.nullInputs ? nullptr : io.channels, c.nullOutputs ? nullptr : io.channels,
                                       c.frames),
                  c.accepted)
            << c.frames << " " << c.nullInputs << " " << c.nullOutputs;
    fx.processFloat(io.channels, io.channels, 8); // base: nothing
}

// ---------------------------------------------------------------- texts

std::string text(const char* buffer) { return buffer; }

TEST(QVEffectTexts, BaseTextsAreEmpty)
{
    QVEffect fx(QVEffect::kPluginTypeQuery, 2, 1, 2, 1, 1);
    fx.init();
    char buffer[16];
    auto check = [&](auto call) {
        std::memset(buffer, 'X', sizeof buffer);
        call();
        EXPECT_EQ(text(buffer), "");
        for (int i = 0; i <= 10; ++i)
            EXPECT_EQ(buffer[i], 0) << i;
        EXPECT_EQ(buffer[11], 'X');
    };
    check([&] { fx.getParameterNameString(0, buffer, 10); });
    check([&] { fx.getParameterValueString(0, buffer, 10); });
    check([&] { fx.getParameterUnitString(0, buffer, 10); });
    check([&] { fx.getParameterValueUnitString(0, buffer, 10); });
    check([&] { fx.getMeterNameString(0, buffer, 10); });
    check([&] { fx.getMeterValueString(0, buffer, 10); });
    check([&] { fx.getMeterUnitString(0, buffer, 10); });
    check([&] { fx.getMeterValueUnitString(0, buffer, 10); });
    check([&] { fx.getClipNameString(0, buffer, 10); });

    std::memset(buffer, 'X', sizeof buffer);
    EXPECT_FALSE(fx.getParameterValueStringFromValue(0, buffer, 10, 0.5f));
    EXPECT_FALSE(fx.getParameterValueUnitStringFromValue(0, buffer, 10, 0.5f));
    EXPECT_FALSE(fx.getMeterValueStringFromValue(0, buffer, 10, 0.5f));
    EXPECT_FALSE(fx.getMeterValueUnitStringFromValue(0, buffer, 10, 0.5f));
    EXPECT_EQ(buffer[0], 'X'); // text untouched
}

struct UnitCase
{
    int32_t maxLen;
    const char* expected;
};

TEST(QVEffectTexts, ValueAndUnitJoinOnlyWhenTheUnitFitsWhole)
{
    TestEffect fx; // Gain 0.25 reads "0.25", unit "dB"
    const UnitCase cases[] = {
        {16, "0.25 dB"}, {7, "0.25 dB"}, // exactly room for blank and unit
        {6, "0.25"},                     // the unit would need one character more
        {5, "0.25"},     {4, "0.25"},    {3, "0.2"}, {0, ""},
    };
    for (const auto& c : cases) {
        char buffer[20];
        std::memset(buffer, 'X', sizeof buffer);
        fx.getParameterValueUnitString(TestEffect::kGain, buffer, c.maxLen);
        EXPECT_EQ(text(buffer), c.expected) << c.maxLen;
        EXPECT_EQ(buffer[c.maxLen + 1], 'X') << c.maxLen;

        std::memset(buffer, 'X', sizeof buffer);
        EXPECT_TRUE(fx.getParameterValueUnitStringFromValue(TestEffect::kGain, buffer, c.maxLen, 0.25f));
        EXPECT_EQ(text(buffer), c.expected) << c.maxLen;
    }
}

TEST(QVEffectTexts, ValueUnitWithoutValueTextKeepsTheBlankAndUnit)
{
    TestEffect fx; // Tone has a unit but no value text
    char buffer[16];
    fx.getParameterValueUnitString(TestEffect::kTone, buffer, 10);
    EXPECT_EQ(text(buffer), " Hz");
    std::memset(buffer, 'X', sizeof buffer);
    EXPECT_FALSE(fx.getParameterValueUnitStringFromValue(TestEffect::kTone, buffer, 10, 0.5f));
    EXPECT_EQ(buffer[0], 'X');
}

TEST(QVEffectTexts, MeterValueAndUnit)
{
    TestEffect fx; // meter 0: 0.5 linear reads "-6.0", unit "dB"
    char buffer[16];
    fx.getMeterValueString(0, buffer, 15);
    EXPECT_EQ(text(buffer), "-6.0");
    fx.getMeterValueUnitString(0, buffer, 15);
    EXPECT_EQ(text(buffer), "-6.0 dB");
    fx.getMeterValueUnitString(0, buffer, 6);
    EXPECT_EQ(text(buffer), "-6.0");
    EXPECT_TRUE(fx.getMeterValueUnitStringFromValue(0, buffer, 15, 1.0f));
    EXPECT_EQ(text(buffer), "0.0 dB");
    EXPECT_FALSE(fx.getMeterValueUnitStringFromValue(1, buffer, 15, 1.0f));
}

TEST(QVEffectTexts, NullBuffersAndNegativeLengthsWriteNothing)
{
    TestEffect fx;
    char buffer[4] = {'X', 'X', 'X', 'X'};
    for (char* target : {static_cast<char*>(nullptr), buffer}) {
        const int32_t maxLen = target == nullptr ? 10 : -1;
        fx.getParameterNameString(0, target, maxLen);
        fx.getParameterValueString(0, target, maxLen);
        fx.getParameterUnitString(0, target, maxLen);
        fx.getParameterValueUnitString(0, target, maxLen);
        fx.getParameterValueUnitStringFromValue(0, target, maxLen, 0.5f);
        fx.getMeterNameString(0, target, maxLen);
        fx.getMeterValueString(0, target, maxLen);
        fx.getMeterUnitString(0, target, maxLen);
        fx.getMeterValueUnitString(0, target, maxLen);
        fx.getMeterValueUnitStringFromValue(0, target, maxLen, 0.5f);
        fx.getClipNameString(0, target, maxLen);
    }
    EXPECT_EQ(std::string(buffer, 4), "XXXX");
}

// ---------------------------------------------------------------- degenerate shapes

TEST(QVEffectShapes, NoBanksOrNoParametersAreHarmless)
{
    for (auto [banks, parameters] : {std::pair{0, 4}, std::pair{2, 0}, std::pair{0, 0}}) {
        TestEffect fx(QVEffect::kChannelModeStereo, banks, parameters);
        fx.attachCallback();
        EXPECT_EQ(fx.getParameter(0), 0.0f);
        fx.setParameter(0, 0.5f, true, false);
        EXPECT_EQ(fx.getParameter(0), 0.0f);
        fx.setBank(0, true);
        fx.setBank(1, true);
        EXPECT_EQ(fx.getBank(), banks > 1 ? 1 : 0);
        EXPECT_EQ(fx.getStateSize(), 4);
        unsigned char blob[8] = {0, 0, 0, 1, 0x3F, 0x80, 0, 0};
        EXPECT_TRUE(fx.restoreState(blob, 8, true));
        EXPECT_EQ(fx.getBank(), banks > 1 ? 1 : 0);
        unsigned char out[4] = {9, 9, 9, 9};
        fx.saveState(out);
        EXPECT_EQ(out[3], banks > 1 ? 1 : 0);
    }
}

TEST(QVEffectShapes, NegativeOrHugeCountsLeaveNoParameters)
{
    const std::pair<int32_t, int32_t> shapes[] = {{-1, 4}, {2, -3}, {1 << 20, 1 << 20}, {INT_MAX, INT_MAX}};
    for (auto [banks, parameters] : shapes) {
        QVEffect fx(QVEffect::kPluginTypeQuery, 2, banks, parameters, 0, 0);
        fx.init();
        EXPECT_EQ(fx.getParameterCount(), 0) << banks << " x " << parameters;
        EXPECT_GE(fx.getBankCount(), 0);
        EXPECT_EQ(fx.getStateSize(), 4);
        fx.setParameter(0, 0.5f, false, false);
        EXPECT_EQ(fx.getParameter(0), 0.0f);
    }
}

} // namespace
