// Token traffic of the process base against the engine stand-in: what the host's automation
// engine receives (through the host's automation seam) and what the process does with the
// tokens the host sends back.

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "CAutomationSeam.h"
#include "CHostEngine.h"
#include "TestProcess.h"
#include "DAECalls.h"
#include "FicTokenGlobals.h"
#include "TestControl.h"

namespace
{
struct SHighlight
{
    SInt32 index;
    SInt16 highlighted, color, style;
    std::string text;
    bool operator==(const SHighlight&) const = default;
};

class CRecordingProcess : public CTestProcess
{
public:
    ComponentResult UpdateControlGraphic(SInt32 index, SInt32 value) override
    {
        fGraphics.push_back({index, value});
        std::this_thread::sleep_for(fGraphicDelay);
        return 0;
    }
    ComponentResult UpdateHighlight(SInt32 index, SInt16 highlighted, SInt16 color, SInt16 style,
                                    const char* text) override
    {
        fHighlights.push_back({index, highlighted, color, style, text});
        return 0;
    }

    std::vector<std::pair<SInt32, SInt32>> fGraphics;
    std::vector<SHighlight> fHighlights;
    std::chrono::milliseconds fGraphicDelay{0};
};

// A received token read at the offsets of the token record.
struct SReceived
{
    explicit SReceived(std::vector<Byte> bytes) : fBytes(std::move(bytes)) {}
    template <typename Value>
    Value At(size_t offset) const
    {
        Value value{};
        std::memcpy(&value, fBytes.data() + offset, sizeof value);
        return value;
    }
    size_t Size() const { return fBytes.size(); }
    std::vector<Byte> fBytes;
};

FicSDSNameId NameId(FicSDSNameId parent, const std::string& name)
{
    FicSDSNameId id = 0;
    gDAE.FicSDSGetNameId(parent, name.c_str(), &id);
    return id;
}

class ProcessTokensTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        LoadDAE();
        InitializeDSICalls();
    }

    void SetUp() override
    {
        CreateFicObjects();
        ASSERT_NE(gOurTokenTask, nullptr);
        fProcess = std::make_unique<CRecordingProcess>();
        fProcess->AddControl(new CTestControl("Gain"));
        fProcess->AddControl(new CTestControl("Mix"));
        ++gInstanciationNum;
        ASSERT_EQ(fProcess->Initialize(), 0);
        fRootName = "Plug-Ins/Undefined BaseName/Inst" + std::to_string(gInstanciationNum);
        fGain = NameId(NameId(0, fRootName), "Gain");
        fMix = NameId(NameId(0, fRootName), "Mix");
    }

    void TearDown() override
    {
        fProcess->Free();
        fProcess.reset();
        FreeFicObjects();
    }

    std::vector<SReceived> Received()
    {
        std::vector<SReceived> tokens;
        while (auto bytes = fSeam.NextToken())
            tokens.emplace_back(std::move(*bytes));
        return tokens;
    }

    // The head every control token carries.
    static void ExpectHead(const SReceived& token, FicSDSNameId target, OSType type, OSType subType, size_t size)
    {
        EXPECT_EQ(token.Size(), size);
        EXPECT_EQ(token.At<UInt32>(0), target);
        EXPECT_EQ(token.At<UInt32>(4), type);
        EXPECT_EQ(token.At<UInt32>(8), subType);
        EXPECT_EQ(token.At<UInt32>(12), 0x4447444Eu);  // DGDN
        EXPECT_EQ(token.At<UInt32>(16), 0x4374726Cu);  // Ctrl
        EXPECT_EQ(token.At<UInt32>(20), target);
        EXPECT_EQ(token.At<UInt32>(24), 0u);
        EXPECT_EQ(token.At<UInt32>(28), 0u);
        EXPECT_EQ(token.At<UInt16>(36), size);
    }

    static void ExpectTouch(const SReceived& token, FicSDSNameId target, SInt16 touched)
    {
        ExpectHead(token, target, 0x53455456, 0x43544348, 44);  // SETV CTCH
        EXPECT_EQ(token.At<SInt16>(38), touched);
        EXPECT_EQ(token.At<SInt32>(40), 1);
    }

    CAutomationSeam fSeam;
    std::unique_ptr<CRecordingProcess> fProcess;
    std::string fRootName;
    FicSDSNameId fGain = 0;
    FicSDSNameId fMix = 0;
};
} // namespace

TEST_F(ProcessTokensTest, ControlNamesAreReservedUnderTheProcessRootName)
{
    FicSDSNameId id = 0;
    fProcess->GetProcessNameID(&id);
    EXPECT_EQ(id, NameId(0, fRootName));
    EXPECT_NE(id, 0u);
    const FicSDSNameId expected[] = {0, fGain, fMix, 0};
    for (SInt32 index = 0; index <= 3; ++index)
    {
        fProcess->GetControlNameID(index, &id);
        EXPECT_EQ(id, expected[index]) << index;
    }
    EXPECT_NE(fGain, 0u);
    EXPECT_NE(fGain, fMix);
}

TEST_F(ProcessTokensTest, SetValueSendsTouchGIACValueAndReleaseAndLeavesTheValueToTheHost)
{
    EXPECT_EQ(fProcess->SetControlValue(1, 123456), 0);

    const std::vector<SReceived> tokens = Received();
    ASSERT_EQ(tokens.size(), 4u);
    ExpectTouch(tokens[0], fGain, 1);
    ExpectHead(tokens[1], NameId(0, ""), 0x53455456, 0x47494143, 38);  // SETV GIAC to the root
    ExpectHead(tokens[2], fGain, 0x53455456, 0x4341564C, 42);          // SETV CAVL
    EXPECT_EQ(tokens[2].At<SInt32>(38), 123456);
    ExpectTouch(tokens[3], fGain, 0);
    SInt32 value = 0;
    fProcess->GetControlValue(1, &value);
    EXPECT_EQ(value, kControlValueLowest);
}

TEST_F(ProcessTokensTest, NestedTouchesSendOneTouchAndOneRelease)
{
    fProcess->TouchControl(2);
    fProcess->TouchControl(2);
    fProcess->ReleaseControl(2);
    std::vector<SReceived> tokens = Received();
    ASSERT_EQ(tokens.size(), 2u);
    ExpectTouch(tokens[0], fMix, 1);

    fProcess->ReleaseControl(2);
    tokens = Received();
    ASSERT_EQ(tokens.size(), 1u);
    ExpectTouch(tokens[0], fMix, 0);
}

TEST_F(ProcessTokensTest, ReleaseOfAnUntouchedControlDoesNotSwallowTheNextTouch)
{
    fProcess->ReleaseControl(1);
    EXPECT_TRUE(Received().empty());

    fProcess->TouchControl(1);
    fProcess->ReleaseControl(1);
    const std::vector<SReceived> tokens = Received();
    ASSERT_EQ(tokens.size(), 3u);
    ExpectTouch(tokens[0], fGain, 1);
    ExpectTouch(tokens[2], fGain, 0);
}

TEST_F(ProcessTokensTest, AppliedValueIsStoredReportedAndDrawnAtIdle)
{
    EXPECT_EQ(fProcess->UpdateControlValue(2, -77), 0);

    SInt32 value = 0;
    fProcess->GetControlValue(2, &value);
    EXPECT_EQ(value, -77);
    const std::vector<SReceived> tokens = Received();
    ASSERT_EQ(tokens.size(), 1u);
    ExpectHead(tokens[0], fMix, 0x43555256, 0x4341564C, 42);  // CURV CAVL
    EXPECT_EQ(tokens[0].At<SInt32>(38), -77);
    SInt32 changes = 0;
    fProcess->GetNumChanges(&changes);
    EXPECT_EQ(changes, 1);

    fProcess->DoTokenIdle();
    EXPECT_EQ(fProcess->fGraphics, (std::vector<std::pair<SInt32, SInt32>>{{2, -77}}));
}

TEST_F(ProcessTokensTest, IdleServesCurrentValueGetValueAndHighlightTokens)
{
    fProcess->UpdateControlValue(1, 4321);
    fProcess->DoTokenIdle();
    Received();
    fProcess->fGraphics.clear();
    const SInt32 idleCalls = CHostEngine::Instance().Settings().fPersonalityIdleCalls;

    fSeam.SendCurrentValue(fMix, 5);
    fSeam.RequestCurrentValue(fGain);
    fSeam.SendHighlight(fGain, true, 3, 7, "Gain");
    fProcess->DoTokenIdle();

    // The reply to the value request is a current value too, and reaches the process's view.
    EXPECT_EQ(fProcess->fGraphics, (std::vector<std::pair<SInt32, SInt32>>{{2, 5}, {1, 4321}}));
    EXPECT_EQ(fProcess->fHighlights, std::vector<SHighlight>({{1, 1, 7, 3, "Gain"}}));
    const std::vector<SReceived> replies = Received();
    ASSERT_EQ(replies.size(), 2u);  // the host's own current value, then the reply
    ExpectHead(replies[1], fGain, 0x43555256, 0x4341564C, 42);
    EXPECT_EQ(replies[1].At<SInt32>(38), 4321);
    EXPECT_EQ(CHostEngine::Instance().Settings().fPersonalityIdleCalls, idleCalls + 1);
}

TEST_F(ProcessTokensTest, QueuedCurrentValuesKeepOnlyTheNewestPerControl)
{
    for (SInt32 value : {1, 2, 3})
        fSeam.SendCurrentValue(fGain, value);

    fProcess->DoTokenIdle();

    EXPECT_EQ(fProcess->fGraphics, (std::vector<std::pair<SInt32, SInt32>>{{1, 3}}));
}

TEST_F(ProcessTokensTest, TokenIdleStopsAfterTwoTicks)
{
    auto process = std::make_unique<CRecordingProcess>();
    constexpr int kControls = 10;
    for (int i = 0; i < kControls; ++i)
        process->AddControl(new CTestControl("Control " + std::to_string(i)));
    ++gInstanciationNum;
    ASSERT_EQ(process->Initialize(), 0);
    for (SInt32 index = 1; index <= kControls; ++index)
        process->UpdateControlValue(index, index);
    process->fGraphicDelay = std::chrono::milliseconds(20);  // two ticks are 33 ms

    process->DoTokenIdle();

    EXPECT_GE(process->fGraphics.size(), 1u);
    EXPECT_LE(process->fGraphics.size(), 3u);
    process->fGraphicDelay = std::chrono::milliseconds(0);
    process->DoTokenIdle();
    EXPECT_EQ(process->fGraphics.size(), size_t(kControls));
    process->Free();
}

TEST_F(ProcessTokensTest, FreeReleasesNamesAndListeners)
{
    fSeam.SendCurrentValue(fGain, 9);

    fProcess->Free();

    EXPECT_EQ(NameId(0, fRootName), 0u);
    fSeam.SendCurrentValue(fGain, 10);
    SFicSDSToken* token = nullptr;
    gDAE.FicSDSGetTokenAndTaskVal(gOurTokenTask, nullptr, nullptr, &token);
    EXPECT_EQ(token, nullptr);
    FicSDSNameId id = 5;
    fProcess->GetControlNameID(1, &id);
    EXPECT_EQ(id, 0u);
}

TEST_F(ProcessTokensTest, SetValueOfAnUnregisteredControlIsRefused)
{
    EXPECT_EQ(fProcess->SetControlValue(3, 1), -7300);
    EXPECT_EQ(fProcess->SetControlValue(0, 1), -7300);
    EXPECT_TRUE(Received().empty());
}
