#include "CPTAdapterProcessAS.h"

#include <algorithm>

#include "QVEffect.h"

CPTAdapterProcessAS::CPTAdapterProcessAS(SInt32 channelMode)
    : CPTAdapterProcess(QVEffect::kPluginTypeOffline, channelMode)
{
}

void CPTAdapterProcessAS::EffectInit()
{
    Effect().setSampleRateBlockSize(float(GetSampleRate()), kBlockSize);
    silenceBuffer.fill(0.0f);
    discardBuffer.fill(0.0f);
    CPTAdapterProcess::EffectInit();
}

// The effect applies its own bypass; the library's bypass flag is not used.
ComponentResult CPTAdapterProcessAS::UpdateControlValue(SInt32 index, SInt32 value)
{
    return CPTAdapterProcess::UpdateControlValue(index, value);
}

ComponentResult CPTAdapterProcessAS::Prime(Boolean priming)
{
    Effect().resetProcessing();
    return CEffectProcessAS::Prime(priming);
}

// ---- Connections

// Successful or not, the effect follows the connections as they now are.
ComponentResult CPTAdapterProcessAS::AfterConnectionChange(ComponentResult result)
{
    NotifyConnectionChange();
    return result;
}

ComponentResult CPTAdapterProcessAS::ConnectInput(SInt32 port, HostConnectionRef connection)
{
    return AfterConnectionChange(CEffectProcessAS::ConnectInput(port, connection));
}

ComponentResult CPTAdapterProcessAS::DisconnectInput(SInt32 port)
{
    return AfterConnectionChange(CEffectProcessAS::DisconnectInput(port));
}

ComponentResult CPTAdapterProcessAS::ConnectOutput(SInt32 port, HostConnectionRef connection)
{
    return AfterConnectionChange(CEffectProcessAS::ConnectOutput(port, connection));
}

ComponentResult CPTAdapterProcessAS::DisconnectOutput(SInt32 port)
{
    return AfterConnectionChange(CEffectProcessAS::DisconnectOutput(port));
}

SInt32 CPTAdapterProcessAS::CountConnectedPorts(bool inputs)
{
    SInt32 count = 0;
    Boolean connected = 0;
    const auto isConnected = [&](SInt32 port) {
        const ComponentResult result =
            inputs ? IsInputPortConnected(port, &connected) : IsOutputPortConnected(port, &connected);
        return result == 0 && connected != 0;
    };
    while (count < kMaxChannels && isConnected(count + 1))
        ++count;
    return count;
}

// An effect that refuses the pair keeps its previous configuration.
ComponentResult CPTAdapterProcessAS::NotifyConnectionChange()
{
    const SInt32 inputs = CountConnectedPorts(true);
    const SInt32 outputs = CountConnectedPorts(false);
    Effect().setChannelConfig(inputs, outputs);
    return 0;
}

// ---- Processing

SASConnection* CPTAdapterProcessAS::UsableInput(SInt32 index) const
{
    SASConnection* connection = GetInputConnection(index);
    return connection != nullptr && connection->fBuffer != nullptr ? connection : nullptr;
}

SASConnection* CPTAdapterProcessAS::UsableOutput(SInt32 index) const
{
    SASConnection* connection = GetOutputConnection(index);
    return connection != nullptr && connection->fBuffer != nullptr ? connection : nullptr;
}

// The longest stretch queued for a channel with an output: its own input's, or input 0's when
// it has none. A channel with neither adds nothing.
SInt32 CPTAdapterProcessAS::CommonLength() const
{
    SInt32 length = 0;
    for (SInt32 channel = 0; channel < GetNumOutputs(); ++channel)
    {
        if (UsableOutput(channel) == nullptr)
            continue;
        const SASConnection* input = UsableInput(channel) != nullptr ? UsableInput(channel) : UsableInput(0);
        if (input != nullptr)
            length = std::max(length, input->fSampleCount);
    }
    return length;
}

// Inputs of another length read silence; outputs still holding samples write into the discard
// buffer. The side-chain input, after the main inputs, fills the second half of the inputs.
CPTAdapterProcessAS::SChannelTable CPTAdapterProcessAS::ChannelsFor(SInt32 length)
{
    SChannelTable channels;
    std::fill(std::begin(channels.inputs), std::end(channels.inputs), silenceBuffer.data());
    std::fill(std::begin(channels.outputs), std::end(channels.outputs), discardBuffer.data());
    for (SInt32 channel = 0; channel < std::min(GetNumOutputs(), kMaxChannels); ++channel)
    {
        SASConnection* output = UsableOutput(channel);
        if (output == nullptr)
            continue;
        const SASConnection* input = UsableInput(channel);
        if (input != nullptr && input->fSampleCount == length)
            channels.inputs[channel] = input->fBuffer;
        if (output->fSampleCount == 0)
            channels.outputs[channel] = output->fBuffer;
    }
    const SASConnection* sidechain = UsableInput(GetNumOutputs());
    if (sidechain != nullptr && sidechain->fSampleCount == length)
    {
        const SInt32 mainInputs = std::clamp(Effect().getInputCount(), 0, kMaxChannels);
        std::fill(channels.inputs + mainInputs, channels.inputs + 2 * mainInputs, sidechain->fBuffer);
    }
    return channels;
}

// A block the effect refuses still counts as processed.
void CPTAdapterProcessAS::RunBlocks(SChannelTable& channels, SInt32 length)
{
    QVEffect& effect = Effect();
    for (SInt32 remaining = length; remaining > 0;)
    {
        const SInt32 block = std::min(remaining, kBlockSize);
        if (effect.checkProcessFloat(channels.inputs, channels.outputs, block))
            effect.processFloat(channels.inputs, channels.outputs, block);
        for (float*& input : channels.inputs)
            if (input != silenceBuffer.data())
                input += block;
        for (float*& output : channels.outputs)
            if (output != discardBuffer.data())
                output += block;
        remaining -= block;
    }
}

void CPTAdapterProcessAS::MarkConsumed(SInt32 length) const
{
    for (SInt32 channel = 0; channel < GetNumOutputs(); ++channel)
    {
        SASConnection* output = UsableOutput(channel);
        if (output == nullptr || output->fSampleCount != 0)
            continue;
        if (SASConnection* input = UsableInput(channel))
            input->fSampleCount = 0;
        output->fSampleCount = length;
    }
    if (SASConnection* sidechain = UsableInput(GetNumOutputs()))
        sidechain->fSampleCount = 0;
}

SInt32 CPTAdapterProcessAS::ProcessAudio(bool)
{
    const SInt32 length = CommonLength();
    SChannelTable channels = ChannelsFor(length);
    RunBlocks(channels, length);
    MarkConsumed(length);
    return length;
}
