// The adapter's control rules with an effect that has a master bypass and stepped, stepless and
// non-automatable parameters: control 1 is "Master Bypass", parameter p is control p + 2.

#include <gtest/gtest.h>

#include <vector>
#include <string>

#include "AdapterHostFixture.h"
#include "AdapterValues.h"
#include "CPTAdapterProcess.h"
#include "CEffectProcessRTAS.h"
#include "CRecordingEditor.h"
#include "CTestEffect.h"

namespace
{
constexpr SInt32 kBypass = 1;
constexpr SInt32 kGain = 2;
constexpr SInt32 kMode = 3;
constexpr SInt32 kAmount = 4;
constexpr SInt32 kOn = kHostHighest;
constexpr SInt32 kOff = kHostLowest;

class TestEffectControls : public CAdapterHostFixture
{
protected:
    void SetUp() override
    {
        CAdapterHostFixture::SetUp();
        CRecordingEditor::sParameterUnderPoint = -1;
        fIndex = Instantiate(kStereoType);
        fProcess = &AdapterProcess(kStereoType, fIndex);
        fEffect = &EffectOf<CTestEffect>(kStereoType, fIndex);
    }

    // The host's text for a value: the process's length-prefixed text.
    std::string ValueText(SInt32 control, SInt32 value, SInt32 maxLen = 31)
    {
        unsigned char text[256] = {};
        EXPECT_EQ(fProcess->GetValueString(control, value, text, maxLen), 0);
        return std::string(reinterpret_cast<char*>(text + 1), text[0]);
    }

    std::string NameOfLength(SInt32 control, SInt32 maxLen)
    {
        char name[64] = {};
        SInt16 result = -1;
        EXPECT_EQ(host::GetControlNameOfLength(kStereoType, fIndex, control, name, maxLen, 0, &result), 0);
        EXPECT_EQ(result, 0);
        return name;
    }

    // The editor's calls since the last look whose names start with the word.
    static std::vector<std::string> EditorCalls(const std::string& word)
    {
        std::vector<std::string> calls;
        for (const std::string& call : CRecordingEditor::CallNames())
            if (call.starts_with(word))
                calls.push_back(call);
        CRecordingEditor::Log().clear();
        return calls;
    }

    SInt32 fIndex = 0;
    CPTAdapterProcess* fProcess = nullptr;
    CTestEffect* fEffect = nullptr;
};

TEST(AdapterValues, ConversionsReachBothEndsOfTheHostRangeAndItsMiddle)
{
    EXPECT_EQ(ToHostControlValue(0.0f), kOff);
    EXPECT_EQ(ToHostControlValue(1.0f), kOn);
    EXPECT_EQ(ToHostControlValue(0.5f), 0);
    EXPECT_EQ(ToEffectValue(kOff), 0.0f);
    EXPECT_EQ(ToEffectValue(kOn), 1.0f);
    EXPECT_FLOAT_EQ(ToEffectValue(0), 0.5f);
    for (float value : {0.0f, 0.1f, 0.25f, 0.5f, 0.75f, 1.0f})
        EXPECT_EQ(ToEffectValue(ToHostControlValue(value)), value) << "round trip of " << value;
}

TEST(AdapterValues, OnlyDigitsLettersAndPlusCommaMinusPointAreValueKeys)
{
    for (char key : std::string("7Qq+,-.09AZaz"))
        EXPECT_TRUE(IsValueKey(key)) << key;
    for (char key : std::string(" /%*:@[`{"))
        EXPECT_FALSE(IsValueKey(key)) << key;
}

TEST_F(TestEffectControls, TheMasterBypassComesFirstWithItsNamesOfEveryLength)
{
    SInt16 count = 0;
    ASSERT_EQ(host::GetNumControls(kStereoType, fIndex, &count), 0);
    EXPECT_EQ(count, 4);
    SInt32 bypassControl = 0;
    ASSERT_EQ(host::GetMasterBypassControl(kStereoType, fIndex, &bypassControl), 0);
    EXPECT_EQ(bypassControl, kBypass);
    char name[32] = {};
    ASSERT_EQ(host::GetControlName(kStereoType, fIndex, kBypass, name), 0);
    EXPECT_STREQ(name, "Master Bypass");
    EXPECT_EQ(NameOfLength(kBypass, 31), "Master Bypass");
    EXPECT_EQ(NameOfLength(kBypass, 8), "Bypass");
    EXPECT_EQ(NameOfLength(kBypass, 4), "Byp");
    EXPECT_EQ(NameOfLength(kGain, 3), "Gn");
    EXPECT_EQ(NameOfLength(kAmount, 31), "Amount");
}

TEST_F(TestEffectControls, TheMasterBypassIsAnAutomatableTwoStepSwitchDefaultingToOff)
{
    for (SInt32 value : {0, kOn})
        EXPECT_EQ(ValueText(kBypass, value), "On") << value;
    for (SInt32 value : {-1, kOff})
        EXPECT_EQ(ValueText(kBypass, value), "Off") << value;
    SInt32 number = -1;
    ASSERT_EQ(host::GetControlDefaultValue(kStereoType, fIndex, kBypass, &number), 0);
    EXPECT_EQ(number, kOff);
    ASSERT_EQ(host::GetControlType(kStereoType, fIndex, kBypass, &number), 0);
    EXPECT_EQ(number, 0);
    ASSERT_EQ(host::GetNumControlSteps(kStereoType, fIndex, kBypass, &number), 0);
    EXPECT_EQ(number, 2);
    SInt16 automatable = 0;
    ASSERT_EQ(host::IsControlAutomatable(kStereoType, fIndex, kBypass, &automatable), 0);
    EXPECT_EQ(automatable, 1);
    char text[] = "0.75";
    number = -1;
    ASSERT_EQ(fProcess->ConvertStringToValue(kBypass, &number, text), 0);
    EXPECT_EQ(number, 0);
}

TEST_F(TestEffectControls, TheMasterBypassSwitchesTheEffectsBypass)
{
    ASSERT_EQ(host::SetBypass(kStereoType, fIndex, 1), 0);
    EXPECT_TRUE(fEffect->getBypass());
    Boolean bypassed = 0;
    ASSERT_EQ(host::GetBypass(kStereoType, fIndex, &bypassed), 0);
    EXPECT_EQ(bypassed, 1);
    SInt32 value = 0;
    ASSERT_EQ(host::GetControlValue(kStereoType, fIndex, kBypass, &value), 0);
    EXPECT_EQ(value, kOn);
    ASSERT_EQ(host::SetControlValue(kStereoType, fIndex, kBypass, -5), 0);
    EXPECT_FALSE(fEffect->getBypass());
    ASSERT_EQ(host::GetBypass(kStereoType, fIndex, &bypassed), 0);
    EXPECT_EQ(bypassed, 0);
}

TEST_F(TestEffectControls, StepCountsBelowTwoAreContinuousWithTwoHundredFiftyFiveSteps)
{
    struct SCase
    {
        SInt32 control;
        SInt32 type;
        SInt32 steps;
        SInt16 automatable;
    };
    for (const SCase& test : {SCase{kGain, 1, 255, 1}, SCase{kMode, 0, 5, 1}, SCase{kAmount, 1, 255, 0}})
    {
        SInt32 type = -1;
        SInt32 steps = -1;
        SInt16 automatable = -1;
        ASSERT_EQ(host::GetControlType(kStereoType, fIndex, test.control, &type), 0);
        ASSERT_EQ(host::GetNumControlSteps(kStereoType, fIndex, test.control, &steps), 0);
        ASSERT_EQ(host::IsControlAutomatable(kStereoType, fIndex, test.control, &automatable), 0);
        EXPECT_EQ(type, test.type) << test.control;
        EXPECT_EQ(steps, test.steps) << test.control;
        EXPECT_EQ(automatable, test.automatable) << test.control;
    }
}

TEST_F(TestEffectControls, ParametersAnswerWithTheirOwnDefaultsValuesAndTypedTexts)
{
    SInt32 value = 0;
    ASSERT_EQ(host::GetControlDefaultValue(kStereoType, fIndex, kGain, &value), 0);
    EXPECT_EQ(value, ToHostControlValue(0.25f));
    ASSERT_EQ(host::SetControlValue(kStereoType, fIndex, kMode, ToHostControlValue(0.74f)), 0);
    ASSERT_EQ(host::GetControlValue(kStereoType, fIndex, kMode, &value), 0);
    EXPECT_EQ(value, ToHostControlValue(0.75f)) << "the stored step";
    char text[] = "0.5";
    ASSERT_EQ(fProcess->ConvertStringToValue(kGain, &value, text), 0);
    EXPECT_EQ(value, 0);
}

TEST_F(TestEffectControls, ValueStringsComeFromTheLiveEffectOrTheFormattingInstanceAndLeaveTheLiveOneAlone)
{
    ASSERT_EQ(host::SetControlValue(kStereoType, fIndex, kMode, kOff), 0);
    fEffect->setParameterCalls.clear();
    fEffect->updates.clear();
    const SInt32 counter = fEffect->getUpdateCounter();

    EXPECT_EQ(ValueText(kGain, 0), "0.50 dB");
    EXPECT_EQ(ValueText(kMode, kOn), "Step 5");
    EXPECT_EQ(ValueText(kMode, 0), "Step 3");
    EXPECT_EQ(ValueText(kGain, 0, 4), "0.50") << "a unit that does not fit is left out";
    char text[32] = {};
    ASSERT_EQ(host::MapControlValToString(kStereoType, fIndex, kMode, kOn, text, 31), 0);
    EXPECT_STREQ(text, "Step 5");

    EXPECT_TRUE(fEffect->setParameterCalls.empty());
    EXPECT_TRUE(fEffect->updates.empty());
    EXPECT_EQ(fEffect->getUpdateCounter(), counter);
    EXPECT_EQ(fEffect->getParameter(CTestEffect::kMode), 0.0f);
}

TEST_F(TestEffectControls, EveryControlAcceptsTheSameKeys)
{
    for (SInt32 control : {kBypass, kGain, kMode})
    {
        unsigned char valid = 9;
        ASSERT_EQ(fProcess->IsKeyValid(control, '-', &valid), 0);
        EXPECT_EQ(valid, 1);
        ASSERT_EQ(fProcess->IsKeyValid(control, '*', &valid), 0);
        EXPECT_EQ(valid, 0);
    }
}

TEST_F(TestEffectControls, TouchAndReleaseReachTheEffectOnlyForParameters)
{
    fEffect->updates.clear();
    for (SInt32 control : {0, kBypass, kMode})
    {
        ASSERT_EQ(fProcess->TouchControl(control), 0);
        ASSERT_EQ(fProcess->ReleaseControl(control), 0);
    }
    EXPECT_EQ(fEffect->updates, (std::vector<std::string>{"touch 1", "release 1"}));
}

TEST_F(TestEffectControls, HighlightRequestsReachTheEditorAsHighlightCodes)
{
    struct SCase
    {
        SInt16 highlighted;
        SInt16 colour;
        SInt32 code;
    };
    const SCase cases[] = {{1, 0, 1}, {1, 1, 3}, {1, 2, 2}, {1, 3, 4}, {1, 7, 0}, {1, -1, 0}, {0, 1, 0}, {0, 3, 0}};
    EditorCalls("");
    for (const SCase& test : cases)
    {
        ASSERT_EQ(host::SetControlHighliteInfo(kStereoType, fIndex, kMode, test.highlighted, test.colour), 0);
        EXPECT_EQ(EditorCalls("highlight"),
                  std::vector<std::string>{"highlight " + std::to_string(CTestEffect::kMode) + " " +
                                           std::to_string(test.code)})
            << test.highlighted << " " << test.colour;
    }
    ASSERT_EQ(host::SetControlHighliteInfo(kStereoType, fIndex, kBypass, 1, 0), 0);
    EXPECT_TRUE(EditorCalls("highlight").empty()) << "the master bypass is not in the editor";
}

TEST_F(TestEffectControls, TheControlUnderAPointIsTheEditorsParameterAfterTheBypass)
{
    SInt32 control = -1;
    CRecordingEditor::sParameterUnderPoint = CTestEffect::kMode;
    EditorCalls("");
    ASSERT_EQ(host::ChooseControl(kStereoType, fIndex, Point{40, 120}, &control), 0);
    EXPECT_EQ(control, kMode);
    EXPECT_EQ(EditorCalls("point"), std::vector<std::string>{"point 120 40"}) << "horizontal first";
    CRecordingEditor::sParameterUnderPoint = -1;
    ASSERT_EQ(host::ChooseControl(kStereoType, fIndex, Point{1, 1}, &control), 0);
    EXPECT_EQ(control, 0);
}

TEST_F(TestEffectControls, ChangesRefreshTheEditorAndIdleReachesIt)
{
    EditorCalls("");
    ASSERT_EQ(host::SetControlValue(kStereoType, fIndex, kGain, 0), 0);
    EXPECT_EQ(EditorCalls("update").size(), 1u);
    ASSERT_EQ(host::DoIdle(kStereoType, fIndex, nullptr), 0);
    EXPECT_EQ(EditorCalls("idle").size(), 1u);
    EXPECT_TRUE(fEffect->doIdle()) << "the effect's own idle request";
    EXPECT_EQ(EditorCalls("idle").size(), 1u);
}

TEST_F(TestEffectControls, InitialisationGivesTheEffectItsRateBlockSizeChannelsAndCallback)
{
    EXPECT_EQ(fEffect->getSampleRate(), float(fProcess->GetSampleRate()));
    EXPECT_EQ(fEffect->getBlockSize(), CEffectProcessRTAS::GetMaximumRTASQuantum());
    EXPECT_EQ(fEffect->getInputCount(), 2);
    EXPECT_EQ(fEffect->getOutputCount(), 2);
    EXPECT_TRUE(fEffect->sendCallback(QVEffect::kCallbackRefreshParameter, 0, 0.0f, nullptr, 0));
    const SInt32 offline = Instantiate(kOfflineType);
    EXPECT_EQ(EffectOf<CTestEffect>(kOfflineType, offline).getBlockSize(), 2048);
}

TEST_F(TestEffectControls, TheEditorGoesBeforeTheEffectItShows)
{
    CRecordingEditor::sParametersSeenAtDeletion = -1;
    ASSERT_EQ(host::FreeProcess(kStereoType, fIndex), 0);
    EXPECT_EQ(CRecordingEditor::sParametersSeenAtDeletion, CTestEffect::kParameterCount);
}

TEST_F(TestEffectControls, CallbacksOutsideZeroToSixAndWithoutAProcessAreRefused)
{
    fEffect->updates.clear();
    EXPECT_FALSE(PTAdapterCallback(fProcess, 7, 0, 1.0f, nullptr, 0));
    EXPECT_FALSE(PTAdapterCallback(fProcess, -1, 0, 1.0f, nullptr, 0));
    EXPECT_FALSE(PTAdapterCallback(nullptr, QVEffect::kCallbackSetParameter, 0, 1.0f, nullptr, 0));
    EXPECT_TRUE(fEffect->updates.empty());
    EXPECT_TRUE(PTAdapterCallback(fProcess, QVEffect::kCallbackRefreshParameter, 0, 0.0f, nullptr, 0));
}

TEST_F(TestEffectControls, EditorGesturesTouchAndReleaseTheEffectWithoutTellingTheHost)
{
    fEffect->updates.clear();
    EXPECT_TRUE(fEffect->sendCallback(QVEffect::kCallbackBeginEdit, CTestEffect::kGain, 0.0f, nullptr, 0));
    EXPECT_TRUE(fEffect->sendCallback(QVEffect::kCallbackSetParameter, CTestEffect::kGain, 0.5f, nullptr, 0));
    EXPECT_TRUE(fEffect->sendCallback(QVEffect::kCallbackEndEdit, CTestEffect::kGain, 0.0f, nullptr, 0));
    EXPECT_EQ(fEffect->updates, (std::vector<std::string>{"touch 0", "parameter 0", "release 0"}));
    EXPECT_FLOAT_EQ(fEffect->getParameter(CTestEffect::kGain), 0.5f);
}

TEST_F(TestEffectControls, LatencyAndSideChainComeFromAndReachTheEffect)
{
    SInt32 latency = 0;
    ASSERT_EQ(host::GetDelaySamplesLong(kStereoType, fIndex, &latency), 0);
    EXPECT_EQ(latency, CTestEffect::kLatency);
    SRTASConnection sidechain = {};
    ASSERT_EQ(host::ConnectInput(kStereoType, fIndex, 3, &sidechain), 0);
    EXPECT_TRUE(fEffect->getSidechain());
    EXPECT_TRUE(fProcess->IsSideChainConnected());
    ASSERT_EQ(host::DisconnectInput(kStereoType, fIndex, 3), 0);
    EXPECT_FALSE(fEffect->getSidechain());
    EXPECT_FALSE(fProcess->IsSideChainConnected());
}
} // namespace
