// The adapter around an effect with the framework's defaults (every equal channel count from 1
// to 8, no flags), built as a module of its own: every kind of type reaches the host.
#include <gtest/gtest.h>

#include <vector>

#include "CHostProcess.h"
#include "CPlugInModule.h"

namespace
{
struct SExpectedType
{
    OSType fType;
    SInt32 fChannels;
};

constexpr SExpectedType kExpected[] = {{FourCC("RTMN"), 1}, {FourCC("RTST"), 2}, {FourCC("ASGN"), 8}};
constexpr SInt32 kGestaltMasterBypass = 8;
} // namespace

TEST(TestEffectBundle, ListsMonoStereoAndOfflineTypesWithMasterBypassAndTheirChannels)
{
    CPlugInModule module(KELVARO_TEST_EFFECT_BUNDLE);
    CRoutineTable& routines = module.Routines();
    SInt16 count = 0;
    ASSERT_EQ(routines.GetNumProcessTypes(&count), 0);
    ASSERT_EQ(count, SInt16(std::size(kExpected)));
    for (SInt32 index = 1; index <= count; ++index)
    {
        const SExpectedType& expected = kExpected[index - 1];
        OSType maker = 0, product = 0, type = 0;
        EXPECT_EQ(routines.GetProcessTypeIDs(index, &maker, &product, &type), 0);
        EXPECT_EQ(type, expected.fType) << index;
        SInt32 masterBypass = 0;
        EXPECT_EQ(routines.Gestalt(type, kGestaltMasterBypass, &masterBypass), 0);
        EXPECT_EQ(masterBypass, 1) << std::hex << type;
        CHostProcess process(routines, type);
        EXPECT_EQ(process.NumInputs(), expected.fChannels) << std::hex << type;
        EXPECT_EQ(process.NumOutputs(), expected.fChannels) << std::hex << type;
    }
}
