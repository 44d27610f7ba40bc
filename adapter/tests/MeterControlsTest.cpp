// The meter effect as the host sees it through the routine table: two switch controls and
// nothing else.

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "AdapterHostFixture.h"
#include "MeterControlIndexes.h"
#include "DAEErrorCodes.h"

namespace
{

class MeterControls : public CAdapterHostFixture
{
protected:
    void SetUp() override
    {
        CAdapterHostFixture::SetUp();
        fProcess = Instantiate(kStereoType);
    }

    std::string ControlName(SInt32 control)
    {
        char name[32] = {};
        EXPECT_EQ(host::GetControlName(kStereoType, fProcess, control, name), 0);
        return name;
    }

    std::string HostValueText(SInt32 control, SInt32 value)
    {
        char text[32] = {};
        EXPECT_EQ(host::MapControlValToString(kStereoType, fProcess, control, value, text, 31), 0);
        return text;
    }

    SInt32 fProcess = 0;
};

TEST_F(MeterControls, TheHostSeesMonoAndLinkWithoutMasterBypass)
{
    SInt16 count = 0;
    ASSERT_EQ(host::GetNumControls(kStereoType, fProcess, &count), 0);
    EXPECT_EQ(count, 2);
    SInt32 bypassControl = -1;
    ASSERT_EQ(host::GetMasterBypassControl(kStereoType, fProcess, &bypassControl), 0);
    EXPECT_EQ(bypassControl, 0);
    EXPECT_EQ(ControlName(kMono), "Mono");
    EXPECT_EQ(ControlName(kLink), "Link");
}

TEST_F(MeterControls, BothSwitchesAreDiscreteWithTwoSteps)
{
    for (SInt32 control : {kMono, kLink})
    {
        SInt32 type = -1;
        SInt32 steps = -1;
        SInt16 automatable = -1;
        ASSERT_EQ(host::GetControlType(kStereoType, fProcess, control, &type), 0);
        ASSERT_EQ(host::GetNumControlSteps(kStereoType, fProcess, control, &steps), 0);
        ASSERT_EQ(host::IsControlAutomatable(kStereoType, fProcess, control, &automatable), 0);
        EXPECT_EQ(type, 0) << control;
        EXPECT_EQ(steps, 2) << control;
        EXPECT_EQ(automatable, 1) << control;
    }
}

TEST_F(MeterControls, ValueStringsAreTheEffectsOwnLengthPrefixed)
{
    unsigned char text[32] = {};
    ASSERT_EQ(Process(kStereoType, fProcess).GetValueString(kMono, kOn, text, 31), 0);
    EXPECT_EQ(text[0], 2);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(text + 1), text[0]), "On");
    EXPECT_EQ(HostValueText(kMono, kOn), "On");
    EXPECT_EQ(HostValueText(kLink, kOff), "Off");
}

TEST_F(MeterControls, ValuesSetByTheHostAreStoredAsSwitchPositions)
{
    ASSERT_EQ(host::SetControlValue(kStereoType, fProcess, kMono, 1000), 0);
    ASSERT_EQ(host::SetControlValue(kStereoType, fProcess, kLink, -1000), 0);
    SInt32 mono = 0;
    SInt32 link = 0;
    ASSERT_EQ(host::GetControlValue(kStereoType, fProcess, kMono, &mono), 0);
    ASSERT_EQ(host::GetControlValue(kStereoType, fProcess, kLink, &link), 0);
    EXPECT_EQ(mono, kOn);
    EXPECT_EQ(link, kOff);
}

TEST_F(MeterControls, NoBypassNoMetersNoClipLights)
{
    Boolean bypassed = 0xAB;
    ASSERT_EQ(host::GetBypass(kStereoType, fProcess, &bypassed), 0);
    EXPECT_EQ(bypassed, 0xAB) << "untouched";
    ASSERT_EQ(host::SetBypass(kStereoType, fProcess, 1), 0);
    SInt32 meters = -1;
    ASSERT_EQ(host::GetNumMeters(kStereoType, fProcess, &meters), 0);
    EXPECT_EQ(meters, 0);
    Boolean clipped = 1;
    ASSERT_EQ(host::GetClipState(kStereoType, fProcess, &clipped), 0);
    EXPECT_EQ(clipped, 0);
}

TEST_F(MeterControls, ControlIndexesOutsideTheControlsAreRefusedByEveryControlRoutine)
{
    for (SInt32 control : {0, -1, 3, 0x7FFFFFFF})
    {
        SInt32 value = 0;
        SInt16 flag = 0;
        char name[300] = {};
        SInt16 result = 0;
        EXPECT_EQ(host::GetControlValue(kStereoType, fProcess, control, &value), kDAE_InvalidControlIndex);
        EXPECT_EQ(host::SetControlValue(kStereoType, fProcess, control, 0), kDAE_InvalidControlIndex);
        EXPECT_EQ(host::UpdateControlValue(kStereoType, fProcess, control, 0), kDAE_InvalidControlIndex);
        EXPECT_EQ(host::GetControlName(kStereoType, fProcess, control, name), kDAE_InvalidControlIndex);
        EXPECT_EQ(host::GetControlNameOfLength(kStereoType, fProcess, control, name, 255, 0, &result),
                  kDAE_InvalidControlIndex);
        EXPECT_EQ(host::MapControlValToString(kStereoType, fProcess, control, 0, name, 31), kDAE_InvalidControlIndex);
        EXPECT_EQ(host::GetControlType(kStereoType, fProcess, control, &value), kDAE_InvalidControlIndex);
        EXPECT_EQ(host::GetNumControlSteps(kStereoType, fProcess, control, &value), kDAE_InvalidControlIndex);
        EXPECT_EQ(host::IsControlAutomatable(kStereoType, fProcess, control, &flag), kDAE_InvalidControlIndex);
        EXPECT_EQ(host::GetControlDefaultValue(kStereoType, fProcess, control, &value), kDAE_InvalidControlIndex);
        EXPECT_EQ(host::SetControlHighliteInfo(kStereoType, fProcess, control, 1, 0), kDAE_InvalidControlIndex);
    }
}

// The library calls these itself, without the group's check: they answer harmlessly.
TEST_F(MeterControls, ControlOperationsOutsideTheControlsAnswerHarmlessly)
{
    CEffectProcess& process = Process(kStereoType, fProcess);
    ASSERT_EQ(host::SetControlValue(kStereoType, fProcess, kLink, kOn), 0);
    for (SInt32 control : {0, -1, 3, SInt32(0x80000000)})
    {
        SInt32 value = 1;
        unsigned char text[32] = {};
        char name[32] = {};
        SInt16 result = 1;
        EXPECT_EQ(process.GetControlValue(control, &value), 0);
        EXPECT_EQ(value, kOff) << "the effect reads 0 for a parameter it does not have";
        EXPECT_EQ(process.SetControlValue(control, kOn), 0);
        EXPECT_EQ(process.TouchControl(control), 0);
        EXPECT_EQ(process.ReleaseControl(control), 0);
        EXPECT_EQ(process.GetValueString(control, kOn, text, 31), 0);
        EXPECT_EQ(process.GetControlNameOfLength(control, name, 31, 0, &result), 0);
        EXPECT_STREQ(name, "");
        EXPECT_EQ(process.ConvertStringToValue(control, &value, name), 0);
    }
    SInt32 mono = 0;
    ASSERT_EQ(host::GetControlValue(kStereoType, fProcess, kMono, &mono), 0);
    SInt32 link = 0;
    ASSERT_EQ(host::GetControlValue(kStereoType, fProcess, kLink, &link), 0);
    EXPECT_EQ(mono, kOff);
    EXPECT_EQ(link, kOn);
}

TEST_F(MeterControls, AValueStringOfANegativeLengthWritesNothing)
{
    unsigned char text[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    EXPECT_EQ(Process(kStereoType, fProcess).GetValueString(kMono, kOn, text, -1), 0);
    EXPECT_EQ(text[0], 0xEE);
}
} // namespace
