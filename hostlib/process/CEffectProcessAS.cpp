#include "CEffectProcessAS.h"

#include "CDAEError.h"
#include "ConnectionFormats.h"
#include "DAEErrorCodes.h"
#include "ProcessAnswers.h"

CEffectProcessAS::CEffectProcessAS() = default;
CEffectProcessAS::~CEffectProcessAS() = default;

ComponentResult CEffectProcessAS::Initialize()
{
    ThrowOnErr(CEffectProcess::Initialize());
    ASInit();
    return 0;
}

void CEffectProcessAS::ASInit() {}

SInt32 CEffectProcessAS::AnalyzeAudio(bool)
{
    return 0;
}

ComponentResult CEffectProcessAS::ModifyRegionName(char*)
{
    return kDAE_NotProvided;
}

ComponentResult CEffectProcessAS::MuShInit()
{
    return 0;
}

ComponentResult CEffectProcessAS::Connect(ConnectionTable& table, SInt32 port, HostConnectionRef connection,
                                          ComponentResult occupied)
{
    if (!IsPort(port))
        return kDAE_PortOutOfRange;
    SASConnection*& slot = table[size_t(port - 1)];
    if (slot != nullptr && connection != nullptr)
        return occupied;
    slot = static_cast<SASConnection*>(connection);
    return 0;
}

ComponentResult CEffectProcessAS::Disconnect(ConnectionTable& table, SInt32 port)
{
    if (!IsPort(port))
        return kDAE_PortOutOfRange;
    SASConnection*& slot = table[size_t(port - 1)];
    if (slot == nullptr)
        return kDAE_PortNotConnected;
    slot = nullptr;
    return 0;
}

ComponentResult CEffectProcessAS::ConnectInput(SInt32 port, HostConnectionRef connection)
{
    if (port == GetSideChainInput() && port != 0)
        ConnectSidechain();
    return Connect(fInputConnections, port, connection, kDAE_InputConnected);
}

ComponentResult CEffectProcessAS::DisconnectInput(SInt32 port)
{
    if (port == GetSideChainInput() && port != 0)
        DisconnectSidechain();
    return Disconnect(fInputConnections, port);
}

ComponentResult CEffectProcessAS::ConnectOutput(SInt32 port, HostConnectionRef connection)
{
    return Connect(fOutputConnections, port, connection, kDAE_OutputConnected);
}

ComponentResult CEffectProcessAS::DisconnectOutput(SInt32 port)
{
    return Disconnect(fOutputConnections, port);
}

ComponentResult CEffectProcessAS::IsInputPortConnected(SInt32 port, Boolean* connected)
{
    if (!IsPort(port))
        return kDAE_PortOutOfRange;
    return Answer(connected, fInputConnections[size_t(port - 1)] != nullptr);
}

ComponentResult CEffectProcessAS::IsOutputPortConnected(SInt32 port, Boolean* connected)
{
    if (!IsPort(port))
        return kDAE_PortOutOfRange;
    return Answer(connected, fOutputConnections[size_t(port - 1)] != nullptr);
}

ComponentResult CEffectProcessAS::CanOutputPortConnect(SInt32 port, Boolean* canConnect)
{
    return Answer(canConnect, IsPort(port) && fOutputConnections[size_t(port - 1)] == nullptr);
}

SASConnection* CEffectProcessAS::GetInputConnection(SInt32 index) const
{
    return index >= 0 && index < kMaxConnections ? fInputConnections[size_t(index)] : nullptr;
}

SASConnection* CEffectProcessAS::GetOutputConnection(SInt32 index) const
{
    return index >= 0 && index < kMaxConnections ? fOutputConnections[size_t(index)] : nullptr;
}

ComponentResult CEffectProcessAS::GetConnectionFormat(SInt32, Boolean, SConnectionFormat* format)
{
    return Answer(format, kOfferedConnectionFormat);
}

ComponentResult CEffectProcessAS::SetConnectionFormat(SInt32, Boolean, const SConnectionFormat* format)
{
    return IsAcceptedConnectionFormat(*format) ? 0 : kDAE_FormatNotAccepted;
}

ComponentResult CEffectProcessAS::UpdateControlValue(SInt32 index, SInt32 value)
{
    if (index == fMasterBypassIndex && index != 0)
        fBypassed = value > 0;
    return CProcess::UpdateControlValue(index, value);
}

ComponentResult CEffectProcessAS::GetDelaySamples(SInt16* samples)
{
    return Answer(samples, 0);
}

ComponentResult CEffectProcessAS::InitOutputBounds()
{
    const SASConnection* first = fInputConnections[0];
    if (first == nullptr)
        return 0;
    for (SASConnection* output : fOutputConnections)
        if (output != nullptr)
        {
            output->fBoundsStart = first->fBoundsStart;
            output->fBoundsEnd = first->fBoundsEnd;
        }
    return 0;
}

ComponentResult CEffectProcessAS::ProcessData(SInt32* samples)
{
    *samples += ProcessAudio(fBypassed);
    return 0;
}

ComponentResult CEffectProcessAS::AnalyzeData(SInt32* samples)
{
    *samples += AnalyzeAudio(fBypassed);
    return 0;
}

ComponentResult CEffectProcessAS::GetPlugInString(SInt32 selector, unsigned char* out)
{
    if (selector != kRegionNameString)
        return CEffectProcess::GetPlugInString(selector, out);
    return ModifyPascalText(out, [this](char* name) { return ModifyRegionName(name); });
}
