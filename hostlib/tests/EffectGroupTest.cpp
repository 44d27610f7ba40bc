// The effect group and its types as the host sees them through the routine table.

#include <gtest/gtest.h>

#include <string>

#include "FicTokenGlobals.h"
#include "HostRoutines.h"
#include "TestEffectGroup.h"

namespace
{
std::string Pascal(const char* text)
{
    return std::string(text + 1, size_t(UInt8(text[0])));
}

class EffectGroup : public CHostFixture
{
};

TEST_F(EffectGroup, TypesStayHiddenUntilTheHostEnablesTheirKindThenCountFromOne)
{
    LoadGroup(false);
    SInt16 count = -1;
    ASSERT_EQ(host::GetNumProcessTypes(&count), 0);
    EXPECT_EQ(count, 0);

    ASSERT_EQ(host::EnablePlugInType(kOfflineKind), 0);
    ASSERT_EQ(host::GetNumProcessTypes(&count), 0);
    EXPECT_EQ(count, 1);
    OSType maker = 0, product = 0, type = 0;
    ASSERT_EQ(host::GetProcessTypeIDs(1, &maker, &product, &type), 0);
    EXPECT_EQ(type, kOfflineType) << "the visible type comes first";

    ASSERT_EQ(host::EnablePlugInType(kRealTimeKind), 0);
    ASSERT_EQ(host::GetNumProcessTypes(&count), 0);
    EXPECT_EQ(count, 3);
    const OSType inOrder[] = {kOfflineType, kMonoType, kStereoType};  // enabled first, listed first
    for (SInt32 index = 1; index <= 3; ++index)
    {
        ASSERT_EQ(host::GetProcessTypeIDs(index, &maker, &product, &type), 0);
        EXPECT_EQ(type, inOrder[index - 1]);
        EXPECT_EQ(maker, kTestMaker);
        EXPECT_EQ(product, kTestProduct);
    }
    EXPECT_EQ(host::GetProcessTypeIDs(4, &maker, &product, &type), -77);
}

TEST_F(EffectGroup, FreeingTheSecondOfThreeProcessesGivesItsIndexToTheNextOne)
{
    EXPECT_EQ(Instantiate(kStereoType), 1);
    EXPECT_EQ(Instantiate(kStereoType), 2);
    EXPECT_EQ(Instantiate(kStereoType), 3);
    ASSERT_EQ(host::FreeProcess(kStereoType, 2), 0);
    EXPECT_EQ(host::FreeProcess(kStereoType, 2), -7126);
    EXPECT_EQ(Instantiate(kStereoType), 2);
    EXPECT_EQ(Instantiate(kMonoType), 1) << "each type numbers its own processes";
    EXPECT_EQ(gProcessGroup->GetNumProcesses(), 4);
}

TEST_F(EffectGroup, ThePlugInsResourceMapStaysOpenWhileProcessesLiveAndClosesWithTheGroup)
{
    EXPECT_EQ(CProcessGroup::GetResourceOpenCount(), 0);
    const SInt32 first = Instantiate(kMonoType);
    Instantiate(kMonoType);
    EXPECT_EQ(CProcessGroup::GetResourceOpenCount(), 1);
    ASSERT_EQ(host::FreeProcess(kMonoType, first), 0);
    EXPECT_EQ(CProcessGroup::GetResourceOpenCount(), 1);
    delete gProcessGroup;
    gProcessGroup = nullptr;
    EXPECT_EQ(CProcessGroup::GetResourceOpenCount(), 0);
}

TEST_F(EffectGroup, TokenGlobalsLiveFromTheFirstProcessToTheLast)
{
    Settings().SetGestalt(kFicGestaltSharedDataTokens, 1);
    const SInt32 first = Instantiate(kStereoType);
    EXPECT_NE(gOurTokenTask, nullptr);
    const SInt32 second = Instantiate(kMonoType);
    ASSERT_EQ(host::FreeProcess(kStereoType, first), 0);
    EXPECT_NE(gOurTokenTask, nullptr);
    ASSERT_EQ(host::FreeProcess(kMonoType, second), 0);
    EXPECT_EQ(gOurTokenTask, nullptr);
    EXPECT_EQ(gOurFicServer, nullptr);
}

TEST_F(EffectGroup, AFailedFirstInstantiationLeavesNothingBehind)
{
    Settings().SetGestalt(kFicGestaltSharedDataTokens, 1);
    Settings().fInitFicResult = -1;
    SInt32 index = 77;
    EXPECT_EQ(host::InstantiateProcess(kStereoType, &index), -1);
    Settings().fInitFicResult = 0;
    EXPECT_EQ(index, 77);
    EXPECT_EQ(gProcessGroup->GetNumProcesses(), 0);
    EXPECT_EQ(CProcessGroup::GetResourceOpenCount(), 0);
    EXPECT_EQ(gOurFicServer, nullptr);
}

TEST_F(EffectGroup, InstantiationNumberGrowsWithEveryProcess)
{
    const SInt32 before = gInstanciationNum;
    const SInt32 process = Instantiate(kMonoType);
    ASSERT_EQ(host::FreeProcess(kMonoType, process), 0);
    Instantiate(kMonoType);
    EXPECT_EQ(gInstanciationNum, before + 2);
}

TEST_F(EffectGroup, GestaltsOfGroupAndTypes)
{
    struct SCase
    {
        OSType type;
        SInt32 selector;
        SInt32 question;
        SInt32 answer;
    };
    const SCase cases[] = {
        {kStereoType, 5, 0, 3},           // side chain: the port after the two inputs
        {kMonoType, 5, 0, 0},             // not declared
        {kMonoType, 8, 0, 1},             // added by the type
        {kMonoType, 7, 0, 1},             // every effect type
        {kMonoType, 29, 0, 1},            // stem formats defined
        {kMonoType, 14, 0, 1},            // a group gestalt, whatever the type
        {kMonoType, 28, SInt32(FourCC("midi")), 2},
        {kMonoType, 28, SInt32(FourCC("audi")), 0},
        {kMonoType, 32, 0, 1},            // generic sample-rate support
        {kMonoType, 99, 0, 0},
    };
    for (const SCase& test : cases)
    {
        SInt32 value = test.question;
        ASSERT_EQ(host::Gestalt(test.type, test.selector, &value), 0);
        EXPECT_EQ(value, test.answer) << "selector " << test.selector;
    }
}

TEST_F(EffectGroup, NamesArePickedByTheRoomTheHostGives)
{
    char name[64] = {};
    ASSERT_EQ(host::GetProcessTypeName(kStereoType, 5, name), 0);
    EXPECT_EQ(Pascal(name), "TFX");
    ASSERT_EQ(host::GetProcessTypeName(kStereoType, 12, name), 0);
    EXPECT_EQ(Pascal(name), "Test Effect");
    ASSERT_EQ(host::GetProcessTypeName(kStereoType, 63, name), 0);
    EXPECT_EQ(Pascal(name), "Hostlib Test Effect");
    ASSERT_EQ(host::GetProcessTypeName(FourCC("????"), 12, name), 0);
    EXPECT_EQ(Pascal(name), "Test Plug-In");
    ASSERT_EQ(host::GetManufacturerName(2, name), 0);
    EXPECT_EQ(Pascal(name), "TM");
}

TEST_F(EffectGroup, ProcessNamespaceBaseEndsWithTheVersionsLowByte)
{
    char base[256] = {};
    auto* group = dynamic_cast<CEffectGroup*>(gProcessGroup);
    ASSERT_NE(group, nullptr);
    group->GetSDSBaseName(base);
    EXPECT_STREQ(base, "Plug-Ins/Test Maker Incorporated/Hostlib Test Plug-In/4");
}

TEST_F(EffectGroup, RelatedTypesAreFoundByChannelsAndKind)
{
    SPlugInSpec spec = {kTestMaker, kTestProduct, kMonoType, {}};
    ASSERT_EQ(host::GetRelatedProcessType(&spec, 2, 2), 0);
    EXPECT_EQ(spec.fTypeID, kStereoType);

    spec = {kTestMaker, kTestProduct, kStereoType, {}};
    ASSERT_EQ(host::GetRelatedProcessType(&spec, 3, 2), 0);
    EXPECT_EQ(spec.fTypeID, kStereoType) << "three inputs answer 0 without searching";

    EXPECT_EQ(host::GetRelatedProcessType(&spec, -3, 1), -7055) << "no offline type with fixed stereo formats";
    spec = {FourCC("othr"), kTestProduct, kMonoType, {}};
    EXPECT_EQ(host::GetRelatedProcessType(&spec, 2, 2), -7055) << "another maker's type";
    spec = {kTestMaker, kTestProduct, FourCC("none"), {}};
    EXPECT_EQ(host::GetRelatedProcessType(&spec, 2, 2), -7125);
}

TEST_F(EffectGroup, TypeAnswersChannelCountsWhateverTheProcessIndex)
{
    SInt16 inputs = 0;
    ASSERT_EQ(host::GetNumAudioInputs(kStereoType, 77, &inputs), 0);
    EXPECT_EQ(inputs, 2);
    SInt32 kind = 0;
    ASSERT_EQ(host::GetPlugInType(kOfflineType, &kind), 0);
    EXPECT_EQ(kind, 1);
}

TEST_F(EffectGroup, PlugInStringsAreTheDefinedTextsAndLeaveOthersUntouched)
{
    const SInt32 process = Instantiate(kOfflineType);
    auto* effect = dynamic_cast<CEffectProcess*>(gProcessGroup->FindProcessType(kOfflineType)->GetProcessFromIndex(process));
    effect->DefineDialogString(7, "Render");
    unsigned char text[256] = {3, 'o', 'l', 'd'};
    ASSERT_EQ(host::GetPlugInString(kOfflineType, process, 2, text), 0);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(text + 1), text[0]), "old");
    ASSERT_EQ(host::GetPlugInString(kOfflineType, process, 7, text), 0);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(text + 1), text[0]), "Render");
    EXPECT_EQ(host::GetPlugInString(kOfflineType, process, 5, text), -7000) << "offline region names are not changed";
}

TEST_F(EffectGroup, SampleRateReachesLiveAndNewProcesses)
{
    const SInt32 first = Instantiate(kStereoType);
    ASSERT_EQ(host::SetSampleRate(96000), 0);
    const SInt32 second = Instantiate(kStereoType);
    for (SInt32 index : {first, second})
    {
        auto* type = gProcessGroup->FindProcessType(kStereoType);
        EXPECT_EQ(type->GetProcessFromIndex(index)->GetSampleRate(), 96000);
    }
}

TEST(ResourceFile, NestedUsesOpenAndCloseThePlugInMapOnce)
{
    const SInt16 hostFile = CProcessGroup::CurrentResourceFile();
    const SInt16 first = CProcessGroup::UseResourceFile();
    const SInt16 plugInFile = CProcessGroup::GetPlugInResourceFile();
    const SInt16 second = CProcessGroup::UseResourceFile();
    EXPECT_EQ(first, hostFile);
    EXPECT_EQ(second, plugInFile);
    EXPECT_EQ(CProcessGroup::GetPlugInResourceFile(), plugInFile) << "the map is opened once";
    CProcessGroup::RestoreResourceFile(second);
    EXPECT_EQ(CProcessGroup::GetResourceOpenCount(), 1);
    EXPECT_EQ(CProcessGroup::CurrentResourceFile(), plugInFile);
    CProcessGroup::RestoreResourceFile(first);
    EXPECT_EQ(CProcessGroup::GetResourceOpenCount(), 0);
    EXPECT_EQ(CProcessGroup::GetPlugInResourceFile(), -1);
    EXPECT_EQ(CProcessGroup::CurrentResourceFile(), hostFile);
}
} // namespace
