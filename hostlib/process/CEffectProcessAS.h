#pragma once
// The offline effect process: its port connections, and the process and analysis entries the
// host calls with the samples it queued on them. The plug-in implements ProcessAudio.

#include "CEffectProcessStreams.h"
#include "SRTASInstance.h"

class CEffectProcessAS : public CEffectProcessStreams<SASConnection>
{
public:
    static constexpr SInt32 kMaxConnections = 48;

    CEffectProcessAS();
    ~CEffectProcessAS() override;
    ComponentResult Initialize() override;
    ComponentResult InitOutputBounds() override;
    ComponentResult ProcessData(SInt32* samples) override;
    ComponentResult AnalyzeData(SInt32* samples) override;
    ComponentResult GetPlugInString(SInt32 selector, unsigned char* out) override;
    virtual void ASInit();
    // Answers the number of samples processed.
    virtual SInt32 ProcessAudio(bool bypassed) = 0;
    virtual SInt32 AnalyzeAudio(bool bypassed);
    virtual ComponentResult ModifyRegionName(char* name);
};
