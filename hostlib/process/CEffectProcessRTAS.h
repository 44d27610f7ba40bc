#pragma once
// The real-time effect process: its port connections, the host plug-in object through which
// the host's real-time engine calls the render worker, and the worker. The plug-in implements
// RenderAudio, which runs on the engine's real-time thread.

#include <memory>

#include "CEffectProcessStreams.h"
#include "CHostPlugIn.h"
#include "SRTASInstance.h"

class CEffectProcessRTAS : public CEffectProcessStreams<SRTASConnection>
{
public:
    CEffectProcessRTAS();

    ComponentResult Initialize() override;
    virtual void SetMaxRTASConnections(SInt32 maximum);
    ComponentResult Free() override;
    ComponentResult GetPlugInString(SInt32 selector, unsigned char* out) override;
    virtual ComponentResult CreateHostPlugIn(const SPlugInIDRecord& id);
    // Real-time thread: no allocation, no lock.
    virtual void RenderAudio(float** inputs, float** outputs, SInt32 numSamples) = 0;
    virtual void ModifyRegionName(char* name);
    ~CEffectProcessRTAS() override;

    void InitializeConnectionArrays();
    void FreeConnectionArrays();
    static void RenderAudioWorker(SRTASInstanceBlock* block, SRTGlobals* globals);
    static SInt32 GetMaximumRTASQuantum();

    SInt32 GetMaxRTASConnections() const { return fMaxConnections; }
    CHostPlugIn* GetHostPlugIn() const { return fHostPlugIn.get(); }

private:
    void Render(const SRTASInstanceDescriptor& descriptor, const SRTGlobals& globals);

    const SRTASInstanceDescriptor* fInstanceDescriptor = nullptr;
    const SRTGlobals* fRTGlobals = nullptr;
    bool fConnectionsAllocated = false;
    SInt32 fMaxConnections = 48;
    std::unique_ptr<float*[]> fInputBuffers;
    std::unique_ptr<float*[]> fOutputBuffers;
    std::unique_ptr<CHostPlugIn> fHostPlugIn;
};
