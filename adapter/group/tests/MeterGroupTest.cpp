// The meter's module: a stereo real-time type only, described by the meter's own flags,
// channel configurations, clip count and categories.
#include "CPTAdapterGroup.h"
#include "GroupEntryFixture.h"
#include "PTAdapterBundle.h"

namespace
{
constexpr SInt32 kGestaltCategory = 21;
constexpr SInt32 kGestaltSampleRateSupport = 32;

class MeterGroup : public CGroupEntryFixture
{
};

struct SGestaltCase
{
    SInt32 selector;
    SInt32 answer;
};

constexpr SGestaltCase kStereoTypeGestalts[] = {
    {48, 1}, {29, 1}, {7, 1},                  // real-time, stem formats, every type's own
    {8, 0}, {5, 0}, {39, 0}, {30, 0},          // no master bypass, side chain, clip lights, mono
    {14, 1}, {55, 1}, {25, 1},                 // the group's
    {kGestaltCategory, 0},                     // the meter's category has no host bit
    {kGestaltSampleRateSupport, 6},
};
} // namespace

TEST_F(MeterGroup, ListsExactlyTheStereoRealTimeType)
{
    EXPECT_EQ(ListedTypes(), std::vector<OSType>{kPTAdapterStereoType});
}

TEST_F(MeterGroup, StereoTypeAnswersItsGestalts)
{
    for (const SGestaltCase& gestalt : kStereoTypeGestalts)
        EXPECT_EQ(GestaltOf(kPTAdapterStereoType, gestalt.selector), gestalt.answer) << "gestalt " << gestalt.selector;
}

TEST_F(MeterGroup, StereoTypeIsRelatedByTheProductAndHasStereoStems)
{
    CEffectType& type = EffectType(kPTAdapterStereoType);
    OSType product = 0, relation = 0;
    type.GetProductAndRelationIDs(&product, &relation);
    EXPECT_EQ(relation, FourCC("kvro"));
    EPlugIn_StemFormat input{}, output{}, third{};
    type.GetStemFormats(&input, &output, &third);
    EXPECT_EQ(input, ePlugIn_StemFormat_Stereo);
    EXPECT_EQ(output, ePlugIn_StemFormat_Stereo);
}

TEST_F(MeterGroup, StereoInstanceHasTwoInputsAndTwoOutputs)
{
    SInt32 process = 0;
    ASSERT_EQ(host::InstantiateProcess(kPTAdapterStereoType, &process), 0);
    SInt16 inputs = 0, outputs = 0;
    EXPECT_EQ(host::GetNumAudioInputs(kPTAdapterStereoType, process, &inputs), 0);
    EXPECT_EQ(Routine<host::Code(OSType, SInt32, SInt16*)>(17)(kPTAdapterStereoType, process, &outputs), 0);
    EXPECT_EQ(inputs, 2);
    EXPECT_EQ(outputs, 2);
    EXPECT_EQ(host::FreeProcess(kPTAdapterStereoType, process), 0);
}

TEST_F(MeterGroup, NamesTheMakerAndThePlugIn)
{
    char maker[32] = {};
    ASSERT_EQ(host::GetManufacturerName(31, maker), 0);
    EXPECT_EQ(TextOf(maker), "Auvenor");
    char typeName[32] = {};
    ASSERT_EQ(host::GetProcessTypeName(kPTAdapterStereoType, 31, typeName), 0);
    EXPECT_EQ(TextOf(typeName), "Kelvaro");
    EXPECT_EQ(dynamic_cast<CEffectGroup&>(*gProcessGroup).GetVersion(), 1u);
}

TEST_F(MeterGroup, KeepsTheBundleReferenceUntilTheClose)
{
    EXPECT_STREQ(CProcessGroup::GetBundleReference(), kBundleReference);
    CloseMachOPlugIn();
    EXPECT_EQ(CProcessGroup::GetBundleReference(), nullptr);
    EXPECT_EQ(gProcessGroup, nullptr);
    ASSERT_EQ(NewMachOPlugIn(kBundleReference), 0);
}
