#pragma once
// The plug-in group: who made the plug-in, what it is called, and the types it offers, derived
// from the description of an effect instance kept for the group's life.

#include <memory>

#include "CEffectGroup.h"
#include "CEffectType.h"

class QVEffect;

constexpr OSType kPTAdapterManufacturerID = FourCC("avnr");
constexpr OSType kPTAdapterProductID = FourCC("kvro");
constexpr OSType kPTAdapterMonoType = FourCC("RTMN");
constexpr OSType kPTAdapterStereoType = FourCC("RTST");
constexpr OSType kPTAdapterOfflineType = FourCC("ASGN");

class CPTAdapterGroup : public CEffectGroup
{
public:
    CPTAdapterGroup();
    ~CPTAdapterGroup() override;

    // The library's start-up, then the adapter's view kind.
    ComponentResult Initialize() override;
    void CreateEffectTypes() override;

private:
    struct SRealTimeType
    {
        OSType id;
        EPlugIn_StemFormat stemFormat;  // of the inputs and the outputs
        CEffectType::ProcessCreator creator;
    };

    void AddRealTimeType(const SRealTimeType& kind, uint32_t hostCategories);
    void AddOfflineType(uint32_t hostCategories);
    // Gestalts every type starts with: master bypass and side chain as the effect has them.
    void AddCommonGestalts(CEffectType& type) const;
    bool HasFlag(int32_t flag) const;

    // Only asked for its description; never processes audio.
    std::unique_ptr<QVEffect> queryEffect;
};
