#pragma once
// A group that offers adapter processes of whichever effect is linked: a mono and a stereo
// real-time type and a two-by-two offline type; the stereo and offline types have a side-chain
// input after their main inputs when the effect asks for one.

#include "CPTAdapterGroup.h"

// The module's own ids, under the tests' short names.
constexpr OSType kAdapterTestMaker = kPTAdapterManufacturerID;
constexpr OSType kAdapterTestProduct = kPTAdapterProductID;
constexpr OSType kMonoType = kPTAdapterMonoType;
constexpr OSType kStereoType = kPTAdapterStereoType;
constexpr OSType kOfflineType = kPTAdapterOfflineType;

class CAdapterTestGroup : public CEffectGroup
{
public:
    CAdapterTestGroup();
    // The library's start-up, then the adapter's view kind, as the module's group does.
    ComponentResult Initialize() override;
    void CreateEffectTypes() override;
};
