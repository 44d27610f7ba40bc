// The per-control defaults of the process base without a token task.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "TestProcess.h"
#include "FicTokenGlobals.h"
#include "TestControl.h"

namespace
{
// Records what reaches the view and the algorithm.
class CRecordingProcess : public CTestProcess
{
public:
    ComponentResult UpdateControlGraphic(SInt32 index, SInt32 value) override
    {
        fGraphics.push_back({index, value});
        return 0;
    }
    ComponentResult UpdateControlValueInAlgorithm(SInt32 index) override
    {
        fAlgorithmUpdates.push_back(index);
        return 0;
    }

    std::vector<std::pair<SInt32, SInt32>> fGraphics;
    std::vector<SInt32> fAlgorithmUpdates;
};
} // namespace

TEST(ProcessWithoutControls, EveryDefaultAnswersAsIfThereWereNoControl)
{
    ASSERT_EQ(gOurTokenTask, nullptr);
    CTestProcess process;
    ASSERT_EQ(process.Initialize(), 0);
    SInt16 shortOut = 9;
    SInt32 longOut = 9;
    unsigned char byteOut = 9;
    char name[32] = "old";
    unsigned char valueText[32] = {3, 'o', 'l', 'd'};
    FicSDSNameId id = 9;

    EXPECT_EQ(process.GetNumControls(&shortOut), 0);
    EXPECT_EQ(shortOut, 0);
    EXPECT_EQ(process.GetMasterBypassControl(&longOut), 0);
    EXPECT_EQ(longOut, 0);
    EXPECT_EQ(process.IsControlAutomatable(1, &shortOut), 0);
    EXPECT_EQ(shortOut, 0);
    EXPECT_EQ(process.GetNumControlSteps(1, &(longOut = 9)), 0);
    EXPECT_EQ(longOut, 0);
    EXPECT_EQ(process.ConvertStringToValue(1, &(longOut = 9), name), 0);
    EXPECT_EQ(longOut, 0);
    EXPECT_EQ(process.IsKeyValid(1, 'k', &byteOut), 0);
    EXPECT_EQ(byteOut, 0);
    EXPECT_EQ(process.GetValueString(1, 0, valueText, 31), 0);
    EXPECT_EQ(valueText[0], 0);
    EXPECT_EQ(process.GetControlName(1, name), 0);
    EXPECT_STREQ(name, "");
    EXPECT_EQ(process.GetControlValue(1, &(longOut = 9)), 0);
    EXPECT_EQ(longOut, 0);
    EXPECT_EQ(process.GetControlDefaultValue(1, &(longOut = 9)), 0);
    EXPECT_EQ(longOut, 0);
    EXPECT_EQ(process.SetControlDefaultValue(1, 5), 0);
    EXPECT_EQ(process.GetControlValueInfo(1, 0, 0, &longOut), -7304);
    EXPECT_EQ(process.GetControlPriority(1, &(longOut = 9)), 0);
    EXPECT_EQ(longOut, 0);
    EXPECT_EQ(process.GetControlOrientation(1, &(longOut = 9)), 0);
    EXPECT_EQ(longOut, 0);
    EXPECT_EQ(process.GetControlType(1, &(longOut = 9)), 0);
    EXPECT_EQ(longOut, 1);
    EXPECT_EQ(process.GetControlNameID(1, &id), 0);
    EXPECT_EQ(id, 0u);
    EXPECT_EQ(process.GetProcessNameID(&(id = 9)), 0);
    EXPECT_EQ(id, 0u);
    EXPECT_EQ(process.SetControlValue(1, 5), 0);
    EXPECT_EQ(process.TouchControl(1), 0);
    EXPECT_EQ(process.ReleaseControl(1), 0);
    EXPECT_EQ(process.DoTokenIdle(), 0);
    OSType viewId = 0;
    EXPECT_EQ(process.GetProcessControlViewId(1, &viewId), -7300);
    EXPECT_EQ(viewId, FourCC("NONE"));
    EXPECT_EQ(process.Free(), 0);
}

TEST(ProcessWithoutControls, NameOfLengthFallsBackToTheControlNameCutToLength)
{
    class CNamedProcess : public CTestProcess
    {
    public:
        ComponentResult GetControlName(SInt32, char* out) override
        {
            std::strcpy(out, "Dynamic Range");
            return -5;
        }
    } process;
    char out[32];
    SInt16 result = 9;

    EXPECT_EQ(process.GetControlNameOfLength(1, out, 7, kControllerTypePcTL, &result), -5);
    EXPECT_STREQ(out, "Dynamic");
    EXPECT_EQ(result, 0);
    EXPECT_EQ(process.GetControlNameOfLength(1, out, 31, kControllerTypePcTL, &result), -5);
    EXPECT_STREQ(out, "Dynamic Range");
    EXPECT_EQ(process.GetControlNameOfLength(1, out, -3, kControllerTypePcTL, &result), -5);
    EXPECT_STREQ(out, "");
}

TEST(ProcessWithoutControls, ValueTextOnRequestComesFromTheProcessCutToLength)
{
    class CTextProcess : public CTestProcess
    {
    public:
        ComponentResult GetValueString(SInt32, SInt32, unsigned char* out, SInt32 maxLen) override
        {
            fMaxLen = maxLen;
            std::memcpy(out, "\x06-3.5dB", 7);
            return 0;
        }
        SInt32 fMaxLen = 0;
    } process;
    struct Case
    {
        SInt32 maxLen;
        SInt32 effective;
        const char* text;
    };
    for (const Case& c : {Case{31, 31, "-3.5dB"}, Case{103, 3, "-3."}, Case{100, 0, ""}, Case{4, 4, "-3.5"}})
    {
        char out[64];
        EXPECT_EQ(process.MapControlValToString(1, 0, out, c.maxLen), 0);
        EXPECT_STREQ(out, c.text) << c.maxLen;
        EXPECT_EQ(process.fMaxLen, c.effective) << c.maxLen;
    }
}

TEST(ProcessWithAControl, ControlAnswersForItself)
{
    CTestProcess process;
    auto* control = new CTestControl("Dynamic Range\nDynRng\nDyn");
    process.AddControl(control);
    SInt16 shortOut = 0;
    SInt32 longOut = 0;
    unsigned char byteOut = 0;

    EXPECT_EQ(process.GetNumControls(&shortOut), 0);
    EXPECT_EQ(shortOut, 1);
    process.IsControlAutomatable(1, &shortOut);
    EXPECT_EQ(shortOut, 1);
    process.GetNumControlSteps(1, &longOut);
    EXPECT_EQ(longOut, 11);
    process.IsKeyValid(1, 'k', &byteOut);
    EXPECT_EQ(byteOut, 1);
    process.GetControlPriority(1, &longOut);
    EXPECT_EQ(longOut, 4);
    process.GetControlOrientation(1, &longOut);
    EXPECT_EQ(longOut, 2);
    process.GetControlType(1, &longOut);
    EXPECT_EQ(longOut, 0);
    process.GetControlDefaultValue(1, &longOut);
    EXPECT_EQ(longOut, 17);
    process.SetControlDefaultValue(1, 3);
    EXPECT_EQ(control->GetDefaultValue(), 3);
    process.GetControlValue(1, &longOut);
    EXPECT_EQ(longOut, kControlValueLowest);

    char text[8] = "42";
    EXPECT_EQ(process.ConvertStringToValue(1, &longOut, text), 0);
    EXPECT_EQ(longOut, 42);
    std::strcpy(text, "bad");
    EXPECT_EQ(process.ConvertStringToValue(1, &longOut, text), -7777);

    char name[32];
    process.GetControlName(1, name);
    EXPECT_STREQ(name, "Dynamic Range");
    EXPECT_EQ(control->fLastMaxLen, 31);
    EXPECT_EQ(control->fLastControllerType, FourCC("PcTL"));
    SInt16 result = 9;
    process.GetControlNameOfLength(1, name, 4, FourCC("abcd"), &result);
    EXPECT_STREQ(name, "Dyn");
    EXPECT_EQ(control->fLastControllerType, FourCC("abcd"));
    EXPECT_EQ(result, 0);

    unsigned char valueText[32];
    process.GetValueString(1, 12, valueText, 31);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(valueText + 1), valueText[0]), "value 12");
    char mapped[32];
    process.MapControlValToString(1, 12, mapped, 105);
    EXPECT_STREQ(mapped, "value");
}

TEST(ProcessWithAControl, SetValueWithoutATokenTaskAppliesAndDrawsAndCounts)
{
    CRecordingProcess process;
    process.AddControl(new CTestControl("Gain"));
    SInt32 changes = -1;

    EXPECT_EQ(process.SetControlValue(1, 1234), 0);
    EXPECT_EQ(process.SetControlValue(2, 99), 0);  // no such control: nothing happens

    SInt32 value = 0;
    process.GetControlValue(1, &value);
    EXPECT_EQ(value, 1234);
    EXPECT_EQ(process.fAlgorithmUpdates, std::vector<SInt32>({1}));
    EXPECT_EQ(process.fGraphics, (std::vector<std::pair<SInt32, SInt32>>{{1, 1234}}));
    process.GetNumChanges(&changes);
    EXPECT_EQ(changes, 1);
}

TEST(ProcessWithAControl, RelativeChangesHoldAtTheEndsOfTheScale)
{
    CRecordingProcess process;
    process.AddControl(new CTestControl("Gain"));
    SInt32 value = 0;

    process.UpdateControlValue(1, 2147483640);
    EXPECT_EQ(process.SetControlRelative(1, 10), 0);
    process.GetControlValue(1, &value);
    EXPECT_EQ(value, kControlValueHighest);

    process.UpdateControlValue(1, kControlValueLowest + 3);
    EXPECT_EQ(process.UpdateControlRelative(1, -10), 0);
    process.GetControlValue(1, &value);
    EXPECT_EQ(value, kControlValueLowest);
}
