#pragma once
// The adapter process of the offline type: the host queues samples on the connections, and
// ProcessAudio runs them through the effect in blocks of at most 2048 samples. Channels without a
// usable input read silence; channels whose output is not free write into a discard buffer.

#include <array>

#include "CEffectProcessAS.h"
#include "CPTAdapterProcess.h"

class CPTAdapterProcessAS : public CPTAdapterProcess, public CEffectProcessAS
{
public:
    static constexpr SInt32 kBlockSize = 2048;
    static constexpr SInt32 kMaxChannels = 8;

    explicit CPTAdapterProcessAS(SInt32 channelMode);

    void EffectInit() override;
    ComponentResult UpdateControlValue(SInt32 index, SInt32 value) override;
    ComponentResult ConnectInput(SInt32 port, HostConnectionRef connection) override;
    ComponentResult DisconnectInput(SInt32 port) override;
    ComponentResult ConnectOutput(SInt32 port, HostConnectionRef connection) override;
    ComponentResult DisconnectOutput(SInt32 port) override;
    // The effect takes as many channels as there are connected ports counted from port 1.
    virtual ComponentResult NotifyConnectionChange();
    ComponentResult Prime(Boolean priming) override;
    SInt32 ProcessAudio(bool bypassed) override;

private:
    struct SChannelTable
    {
        float* inputs[2 * kMaxChannels];
        float* outputs[kMaxChannels];
    };

    ComponentResult AfterConnectionChange(ComponentResult result);
    // Connections without a buffer count as not connected.
    SASConnection* UsableInput(SInt32 index) const;
    SASConnection* UsableOutput(SInt32 index) const;
    SInt32 CommonLength() const;
    SChannelTable ChannelsFor(SInt32 length);
    void RunBlocks(SChannelTable& channels, SInt32 length);
    void MarkConsumed(SInt32 length) const;
    // Consecutive connected ports from port 1, at most 8.
    SInt32 CountConnectedPorts(bool inputs);

    std::array<float, kBlockSize> silenceBuffer{};
    std::array<float, kBlockSize> discardBuffer{};
};
