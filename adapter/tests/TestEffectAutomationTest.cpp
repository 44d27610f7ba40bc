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
