#pragma once
// The offline effect process: its port connections, and the process and analysis entries the
// host calls with the samples it queued on them. The plug-in implements ProcessAudio.

#include "CConnectionTable.h"
#include "CEffectProcess.h"
#include "SRTASInstance.h"

class CEffectProcessAS : public virtual CEffectProcess
{
public:
    static constexpr SInt32 kMaxConnections = 48;

    CEffectProcessAS();
    ~CEffectProcessAS() override;
    ComponentResult Initialize() override;
    ComponentResult IsInputPortConnected(SInt32 port, Boolean* connected) override;
    ComponentResult CanOutputPortConnect(SInt32 port, Boolean* canConnect) override;
    ComponentResult IsOutputPortConnected(SInt32 port, Boolean* connected) override;
    ComponentResult ConnectInput(SInt32 port, HostConnectionRef connection) override;
    ComponentResult DisconnectInput(SInt32 port) override;
    ComponentResult ConnectOutput(SInt32 port, HostConnectionRef connection) override;
    ComponentResult DisconnectOutput(SInt32 port) override;
    ComponentResult UpdateControlValue(SInt32 index, SInt32 value) override;
    ComponentResult InitOutputBounds() override;
    ComponentResult GetDelaySamples(SInt16* samples) override;
    virtual ComponentResult MuShInit();
    ComponentResult GetConnectionFormat(SInt32 port, Boolean isInput, SConnectionFormat* format) override;
    ComponentResult SetConnectionFormat(SInt32 port, Boolean isInput, const SConnectionFormat* format) override;
    ComponentResult ProcessData(SInt32* samples) override;
    ComponentResult AnalyzeData(SInt32* samples) override;
    ComponentResult GetPlugInString(SInt32 selector, unsigned char* out) override;
    virtual void ASInit();
    // Answers the number of samples processed.
    virtual SInt32 ProcessAudio(bool bypassed) = 0;
    virtual SInt32 AnalyzeAudio(bool bypassed);
    virtual ComponentResult ModifyRegionName(char* name);

    // index from 0; null when the port is free or outside the table.
    SASConnection* GetInputConnection(SInt32 index) const;
    SASConnection* GetOutputConnection(SInt32 index) const;
    bool IsBypassed() const { return fBypassed; }

private:
    bool IsSideChainPort(SInt32 port) const { return port != 0 && port == GetSideChainInput(); }

    bool fBypassed = false;
    CConnectionTable<SASConnection> fInputConnections;
    CConnectionTable<SASConnection> fOutputConnections;
};
