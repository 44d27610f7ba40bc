// The automation round trip with the host's automation engine running: what the engine stand-in
// receives for an edit in the editor, and what an applied value does.

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "AdapterHostFixture.h"
#include "AdapterValues.h"
#include "CAutomationSeam.h"
#include "CPTAdapterProcess.h"
#include "CTestEffect.h"
#include "FicExports.h"
#include "SFicSDSToken.h"

namespace
{
constexpr SInt32 kGain = 2;

struct SToken
{
    OSType type;
    OSType subType;
    FicSDSNameId target;
    bool operator==(const SToken&) const = default;
};

// The host's listener for window-size tokens, which the automation seam does not hear.
class CWindowSizeListener
{
public:
    CWindowSizeListener()
        : fServer(FicNewServer()), fTask(FicNewObject(fServer, FicFindStandardType(fServer, kFicTokenTaskObjectType))),
          fListener(FicNewObject(fServer, FicFindStandardType(fServer, kFicListenerObjectType)))
    {
        FicSDSSetListenerType(fListener, kTokenSetValue);
        FicSDSSetListenerSubType(fListener, kTokenWindowSize);
        FicSDSSetListenerTask(fListener, fTask);
    }
    ~CWindowSizeListener()
    {
        FicDelete(fListener);
        FicDelete(fTask);
        FicDelete(fServer);
    }
    CWindowSizeListener(const CWindowSizeListener&) = delete;
    CWindowSizeListener& operator=(const CWindowSizeListener&) = delete;

    std::vector<std::vector<Byte>> Received()
    {
        std::vector<std::vector<Byte>> tokens;
        SFicSDSToken* token = nullptr;
        while (FicSDSGetTokenAndTaskVal(fTask, nullptr, nullptr, &token), token != nullptr)
        {
            const Byte* bytes = reinterpret_cast<const Byte*>(token);
            tokens.emplace_back(bytes, bytes + token->fSize);
            FicSDSDoneWithToken(token);
        }
        return tokens;
    }

    static constexpr OSType kTokenWindowSize = FourCC("WNRS");

private:
    FicObjectRef fServer;
    FicObjectRef fTask;
    FicObjectRef fListener;
};

class TestEffectAutomation : public CAdapterHostFixture
{
protected:
    void SetUp() override
    {
        LoadGroup(true);
        fIndex = Instantiate(kStereoType);
        fEffect = &EffectOf<CTestEffect>(kStereoType, fIndex);
        ASSERT_EQ(Process(kStereoType, fIndex).GetControlNameID(kGain, &fGainName), 0);
        ASSERT_NE(fGainName, 0u);
        Received();
        fEffect->setParameterCalls.clear();
    }

    std::vector<SToken> Received()
    {
        std::vector<SToken> tokens;
        fValues.clear();
        while (auto bytes = fSeam.NextToken())
        {
            SFicSDSValueToken token{};
            std::memcpy(&token, bytes->data(), std::min(bytes->size(), sizeof token));
            if (token.fHead.fSubType == kTokenGIAC)
                continue;
            tokens.push_back({token.fHead.fType, token.fHead.fSubType, token.fHead.fTarget});
            if (token.fHead.fSubType == kTokenControlValue)
                fValues.push_back(SInt32(token.fValue));
        }
        return tokens;
    }

    CAutomationSeam fSeam;
    SInt32 fIndex = 0;
    CTestEffect* fEffect = nullptr;
    FicSDSNameId fGainName = 0;
    std::vector<SInt32> fValues;
};

TEST_F(TestEffectAutomation, AnEditorEditTravelsAsTouchSetValueAndReleaseAndLeavesTheEffectAlone)
{
    ASSERT_TRUE(fEffect->sendCallback(QVEffect::kCallbackSetParameter, CTestEffect::kGain, 0.75f, nullptr, 0));
    EXPECT_EQ(Received(), (std::vector<SToken>{{kTokenSetValue, kTokenTouch, fGainName},
                                               {kTokenSetValue, kTokenControlValue, fGainName},
                                               {kTokenSetValue, kTokenTouch, fGainName}}));
    EXPECT_EQ(fValues, std::vector<SInt32>{ToHostControlValue(0.75f)});
    EXPECT_TRUE(fEffect->setParameterCalls.empty()) << "the host applies the value";
}

TEST_F(TestEffectAutomation, AnAppliedValueReachesSetParameterAndReturnsAsTheCurrentValue)
{
    ASSERT_EQ(host::UpdateControlValue(kStereoType, fIndex, kGain, 0), 0);
    EXPECT_EQ(fEffect->setParameterCalls,
              (std::vector<CTestEffect::SSetParameter>{{CTestEffect::kGain, ToEffectValue(0), true}}));
    EXPECT_EQ(Received(), (std::vector<SToken>{{kTokenCurrentValue, kTokenControlValue, fGainName}}));
    EXPECT_EQ(fValues, std::vector<SInt32>{ToHostControlValue(ToEffectValue(0))});
}

TEST_F(TestEffectAutomation, AnEditorResizeRequestResizesTheAdapterViewAndSendsOneWindowSizeToken)
{
    FicSDSNameId processName = 0;
    ASSERT_EQ(Process(kStereoType, fIndex).GetProcessNameID(&processName), 0);
    ASSERT_NE(processName, 0u);
    CPlugInView& adapterView = AdapterView(kStereoType, fIndex);
    adapterView.SetRect(Rect{5, 7, 100, 100});
    CWindowSizeListener listener;
    ASSERT_TRUE(fEffect->sendCallback(QVEffect::kCallbackResizeWindow, (640 << 16) | 300, 0.0f, nullptr, 0));
    EXPECT_EQ(adapterView.GetRect(), (Rect{5, 7, 305, 647})) << "640 wide, 300 high from its top-left corner";
    const std::vector<std::vector<Byte>> tokens = listener.Received();
    ASSERT_EQ(tokens.size(), 1u);
    SFicSDSToken token{};
    ASSERT_EQ(tokens[0].size(), sizeof token);
    std::memcpy(&token, tokens[0].data(), sizeof token);
    EXPECT_EQ(token.fTarget, processName);
    EXPECT_EQ(token.fType, kTokenSetValue);
    EXPECT_EQ(token.fManufacturer, kTokenManufacturer);
    EXPECT_EQ(token.fProtocol, FourCC("Proc"));
    EXPECT_EQ(token.fSize, 38);
}

TEST_F(TestEffectAutomation, WithoutTheAutomationEngineAnEditAppliesAtOnce)
{
    LoadGroup(false);
    fIndex = Instantiate(kStereoType);
    auto& effect = EffectOf<CTestEffect>(kStereoType, fIndex);
    ASSERT_TRUE(effect.sendCallback(QVEffect::kCallbackSetParameter, CTestEffect::kGain, 0.75f, nullptr, 0));
    EXPECT_FLOAT_EQ(effect.getParameter(CTestEffect::kGain), 0.75f);
    EXPECT_TRUE(Received().empty());
}
} // namespace
