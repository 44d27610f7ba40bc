#pragma once
// A group that offers adapter processes of whichever effect is linked: a mono and a stereo
// real-time type and a two-by-two offline type; the stereo and offline types have a side-chain
// input after their main inputs when the effect asks for one.

#include "CEffectGroup.h"

constexpr OSType kAdapterTestMaker = FourCC("avnr");
constexpr OSType kAdapterTestProduct = FourCC("kvro");
constexpr OSType kMonoType = FourCC("RTMN");
constexpr OSType kStereoType = FourCC("RTST");
constexpr OSType kOfflineType = FourCC("ASGN");

class CAdapterTestGroup : public CEffectGroup
{
public:
    CAdapterTestGroup();
    void CreateEffectTypes() override;
};
