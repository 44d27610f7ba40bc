// The routine table and the dispatcher under it, as the host meets them.

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <set>
#include <stdexcept>

#include "HostRoutines.h"
#include "PlugInOwnRoutines.h"
#include "PlugInRoutineList.h"
#include "TestEffectGroup.h"

namespace
{
const std::set<SInt32> kUnassignedSelectors = {11, 13, 21, 26, 34, 60, 61, 106, 107};

TEST(RoutineTable, EveryAssignedSelectorGivesARoutineAndEveryOtherAnswersMinus9007WithNone)
{
    int assigned = 0;
    for (SInt32 selector = -1; selector <= 180; ++selector)
    {
        PlugInRoutine routine = reinterpret_cast<PlugInRoutine>(&PI_GetRoutineDescriptor);
        const ComponentResult result = _PI_GetRoutineDescriptor(selector, &routine);
        const bool shouldExist = selector >= 0 && selector <= 173 && !kUnassignedSelectors.contains(selector);
        EXPECT_EQ(result, shouldExist ? 0 : -9007) << "selector " << selector;
        EXPECT_EQ(routine != nullptr, shouldExist) << "selector " << selector;
        assigned += routine != nullptr ? 1 : 0;
    }
    EXPECT_EQ(assigned, 165);
}

TEST(RoutineTable, DispatcherAnswersTheLongAtByte10OnlyWhenTheLongAtByte4IsZero)
{
    Byte record[16] = {};
    const SInt32 answer = 1234;
    std::memcpy(record + 10, &answer, sizeof answer);
    EXPECT_EQ(Dispatcher(record), 1234);
    record[4] = 1;
    EXPECT_EQ(Dispatcher(record), 0);
    EXPECT_EQ(Dispatcher(nullptr), 0);
}

TEST(RoutineTable, ARoutineCalledWithoutAGroupAnswersAnErrorCode)
{
    ASSERT_EQ(gProcessGroup, nullptr);
    SInt16 count = 7;
    EXPECT_EQ(host::GetNumProcessTypes(&count), -7053);
    EXPECT_EQ(count, 7);
}

class Dispatch : public CHostFixture
{
};

TEST_F(Dispatch, AnExceptionInAGroupOperationBecomesItsHostCode)
{
    const SInt32 process = Instantiate(kStereoType);
    const std::pair<std::function<void()>, ComponentResult> cases[] = {
        {[] { throw CDAEError(-7126); }, -7126},
        {[] { throw std::bad_alloc(); }, -9006},
        {[] { throw std::runtime_error("unexpected"); }, -7401},
        {[] { throw 42; }, -7401},
    };
    for (const auto& [thrower, code] : cases)
    {
        gProbe.onOperation = thrower;
        SInt32 value = 0;
        EXPECT_EQ(host::GetControlValue(kStereoType, process, kGainControl, &value), code);
        EXPECT_EQ(gProcessGroup->GetCriticalSectionDepth(), 0) << "the section is left after " << code;
    }
}

TEST_F(Dispatch, OfflineProcessingRunsOutsideTheSectionAndDrawingInsideIt)
{
    ASSERT_EQ(CProcessGroupInterface::sCriticalSectionScope, 99);
    const SInt32 offline = Instantiate(kOfflineType);
    SInt32 samples = 0;
    ASSERT_EQ(host::ProcessData(kOfflineType, offline, &samples), 0);
    EXPECT_EQ(gProbe.depthInOperation, 0);

    const SInt32 realTime = Instantiate(kStereoType);
    Rect area = {0, 0, 10, 10};
    ASSERT_EQ(host::Draw(kStereoType, realTime, &area), 0);
    EXPECT_EQ(gProbe.depthInOperation, 1);
    SInt32 value = 0;
    ASSERT_EQ(host::GetControlValue(kStereoType, realTime, kGainControl, &value), 0);
    EXPECT_EQ(gProbe.depthInOperation, 1);
}

TEST_F(Dispatch, AYieldInsideANestedRoutineLeavesTheDepthItFound)
{
    const SInt32 process = Instantiate(kStereoType);
    SInt32 depthAfterYield = -1;
    gProbe.onOperation = [&] {
        gProcessGroup->EnterCriticalSection();
        gProcessGroup->YieldCriticalSection();
        depthAfterYield = gProcessGroup->GetCriticalSectionDepth();
        gProcessGroup->LeaveCriticalSection();
    };
    ASSERT_EQ(host::DoIdle(kStereoType, process, nullptr), 0);
    EXPECT_EQ(depthAfterYield, 2);
    EXPECT_EQ(gProcessGroup->GetCriticalSectionDepth(), 0);
}

TEST_F(Dispatch, AYieldLetsAnotherThreadThroughTheSection)
{
    const SInt32 process = Instantiate(kStereoType);
    std::atomic<bool> otherEntered{false};
    gProbe.onOperation = [&] {
        std::thread other([&] {
            gProcessGroup->EnterCriticalSection();
            otherEntered = true;
            gProcessGroup->LeaveCriticalSection();
        });
        while (!otherEntered)
            gProcessGroup->YieldCriticalSection();
        other.join();
    };
    ASSERT_EQ(host::DoIdle(kStereoType, process, nullptr), 0);
    EXPECT_TRUE(otherEntered);
}

// Every kind of bad input answers its code and leaves the process as it was.
TEST_F(Dispatch, BadInputAnswersAnErrorAndChangesNothing)
{
    const SInt32 process = Instantiate(kStereoType);
    ASSERT_EQ(host::SetControlValue(kStereoType, process, kGainControl, 1000), 0);
    const OSType unknownType = FourCC("none");
    SInt32 value = 55;
    const std::pair<const char*, std::function<ComponentResult()>> calls[] = {
        {"unknown type", [&] { return host::SetControlValue(unknownType, process, kGainControl, 1); }},
        {"no such process", [&] { return host::SetControlValue(kStereoType, process + 1, kGainControl, 1); }},
        {"process index 0", [&] { return host::SetControlValue(kStereoType, 0, kGainControl, 1); }},
        {"control 0", [&] { return host::GetControlValue(kStereoType, process, 0, &value); }},
        {"control past the list", [&] { return host::GetControlValue(kStereoType, process, 4, &value); }},
        {"null value", [&] { return host::GetControlValue(kStereoType, process, kGainControl, nullptr); }},
        {"null count", [&] { return host::GetNumProcessTypes(nullptr); }},
        {"null index", [&] { return host::InstantiateProcess(kStereoType, nullptr); }},
        {"null chunk", [&] { return host::GetChunk(kStereoType, process, kControlsChunkID, nullptr); }},
        {"null name", [&] { return host::GetControlNameOfLength(kStereoType, process, 1, nullptr, 8, 0, nullptr); }},
        {"unknown type instantiated", [&] { return host::InstantiateProcess(unknownType, &value); }},
        {"unknown type freed", [&] { return host::FreeProcess(unknownType, process); }},
        {"no such process freed", [&] { return host::FreeProcess(kStereoType, 9); }},
        {"unknown type gestalt", [&] { return host::Gestalt(unknownType, 8, &value); }},
    };
    const ComponentResult expected[] = {-7125, -7126, -7126, -7300, -7300, -50, -50, -50, -50, -50,
                                        -7125, -7125, -7126, -7125};
    for (size_t call = 0; call < std::size(calls); ++call)
        EXPECT_EQ(calls[call].second(), expected[call]) << calls[call].first;
    EXPECT_EQ(value, 0) << "an unknown type's gestalt answers 0";
    SInt32 gain = 0;
    ASSERT_EQ(host::GetControlValue(kStereoType, process, kGainControl, &gain), 0);
    EXPECT_EQ(gain, 1000);
    EXPECT_EQ(gProcessGroup->GetNumProcesses(), 1);
}

// Arguments any routine can take: the type 'none', zeros, and room for whatever it writes.
alignas(16) Byte gScratch[4096];

template <typename T>
T Harmless()
{
    if constexpr (std::is_pointer_v<T> && std::is_function_v<std::remove_pointer_t<T>>)
        return nullptr;
    else if constexpr (std::is_pointer_v<T>)
        return reinterpret_cast<T>(gScratch);
    else if constexpr (std::is_same_v<T, OSType>)
        return FourCC("none");
    else
        return T{};
}

template <typename Function>
struct SHarmlessCall;

template <typename... Args>
struct SHarmlessCall<ComponentResult(Args...)>
{
    static ComponentResult Run(SInt32 selector) { return Routine<ComponentResult(Args...)>(selector)(Harmless<Args>()...); }
    static constexpr bool kNamesAType = (std::is_same_v<Args, OSType> || ...) &&
                                        std::is_same_v<std::tuple_element_t<0, std::tuple<Args..., void>>, OSType>;
};

template <typename Operation>
struct SSignatureOf;

template <typename... Args>
struct SSignatureOf<ComponentResult (CProcessGroupInterface::*)(Args...)>
{
    using Type = ComponentResult(Args...);
};

// Every routine reached through the table answers a code, with the section left and the live
// process untouched; those that name a type answer -7125 for a type that does not exist.
TEST_F(Dispatch, EveryRoutineAnswersACodeAndAnUnknownTypeAnswersMinus7125)
{
    const SInt32 process = Instantiate(kStereoType);
    ASSERT_EQ(host::SetControlValue(kStereoType, process, kGainControl, 321), 0);
    int reached = 0;
#define KELVARO_GROUP_CASE(selector, name, rule)                                                       \
    {                                                                                                  \
        using Call = SHarmlessCall<SSignatureOf<decltype(&CProcessGroupInterface::name)>::Type>;      \
        const ComponentResult result = Call::Run(selector);                                            \
        if (Call::kNamesAType)                                                                         \
        {                                                                                              \
            EXPECT_EQ(result, -7125) << #name;                                                         \
        }                                                                                              \
        EXPECT_EQ(gProcessGroup->GetCriticalSectionDepth(), 0) << #name;                               \
        ++reached;                                                                                     \
    }
#define KELVARO_NEVER_CASE(selector, name, parameters)                              \
    {                                                                               \
        EXPECT_EQ(SHarmlessCall<ComponentResult parameters>::Run(selector), 0) << #name; \
        ++reached;                                                                  \
    }
#define KELVARO_OWN_CASE(selector, name)
    KELVARO_PLUGIN_ROUTINES(KELVARO_GROUP_CASE, KELVARO_NEVER_CASE, KELVARO_OWN_CASE)
#undef KELVARO_GROUP_CASE
#undef KELVARO_NEVER_CASE
#undef KELVARO_OWN_CASE
    const OSType none = FourCC("none");
    char text[64] = {};
    SInt32 value = 0;
    SConnectionFormat format = {};
    SPlugInSpec spec = {kTestMaker, kTestProduct, none, {}};
    EXPECT_EQ(Routine<decltype(PI_GetControlNameOfLength)>(131)(none, process, 1, text, 8, 0, nullptr), -50);
    EXPECT_EQ(Routine<decltype(PI_MapControlValToString)>(90)(none, process, 1, 0, text, 8), -7125);
    EXPECT_EQ(Routine<decltype(PI_GetControlForPage)>(121)(none, process, 0, 0, 0, &value), -7125);
    EXPECT_EQ(Routine<decltype(PI_GetNumParamFormats)>(96)(none, process, 1, true, &value), -7125);
    EXPECT_EQ(Routine<decltype(PI_GetIndexParamFormat)>(97)(none, process, 1, true, 0, &format), -7125);
    EXPECT_EQ(Routine<decltype(PI_GetRelatedProcessTypeOfType)>(138)(&spec, 3, 2, 2, 1, 1), -7125);
    EXPECT_EQ(Routine<decltype(PI_GetAutoEventList)>(73)(none, process, 1), nullptr);
    EXPECT_EQ(Routine<decltype(PI_GetAutoEventTag)>(74)(none, process, 1), nullptr);
    EXPECT_EQ(reached + 9, 165) << "the nine routines of their own shape are called here or in their own tests";
    EXPECT_EQ(gProcessGroup->GetNumProcesses(), 1);
    SInt32 gain = 0;
    ASSERT_EQ(host::GetControlValue(kStereoType, process, kGainControl, &gain), 0);
    EXPECT_EQ(gain, 321);
}

TEST_F(Dispatch, RoutinesThatNeverReachTheGroupAnswerAtOnce)
{
    using UnitsString = ComponentResult(OSType, SInt32, SInt32, char*, SInt32);
    char units[8] = "dB";
    EXPECT_EQ(Routine<UnitsString>(98)(FourCC("none"), 9, 9, units, 7), 0);
    EXPECT_STREQ(units, "");
    using ReserveResources = ComponentResult(OSType, SInt32);
    EXPECT_EQ(Routine<ReserveResources>(76)(FourCC("none"), 9), 0);
}
} // namespace
