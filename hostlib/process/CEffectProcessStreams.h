#pragma once
// What the real-time and the offline effect process share: ports kept in connection tables of
// their own kind of connection object (connecting or disconnecting the side-chain input port also
// tells the process), the one accepted sample format, no delay, and the bypassed flag that
// follows the master bypass control.

#include "CConnectionTable.h"
#include "CEffectProcess.h"
#include "ConnectionFormats.h"
#include "ProcessAnswers.h"

template <typename Connection>
class CEffectProcessStreams : public virtual CEffectProcess
{
public:
    ComponentResult IsInputPortConnected(SInt32 port, Boolean* connected) override
    {
        return fInputConnections.IsConnected(port, connected);
    }
    ComponentResult CanOutputPortConnect(SInt32 port, Boolean* canConnect) override
    {
        return Answer(canConnect, fOutputConnections.CanConnect(port));
    }
    ComponentResult IsOutputPortConnected(SInt32 port, Boolean* connected) override
    {
        return fOutputConnections.IsConnected(port, connected);
    }
    ComponentResult ConnectInput(SInt32 port, HostConnectionRef connection) override
    {
        if (IsSideChainPort(port))
            ConnectSidechain();
        return fInputConnections.Connect(port, connection, kDAE_InputConnected);
    }
    ComponentResult DisconnectInput(SInt32 port) override
    {
        if (IsSideChainPort(port))
            DisconnectSidechain();
        return fInputConnections.Disconnect(port);
    }
    ComponentResult ConnectOutput(SInt32 port, HostConnectionRef connection) override
    {
        return fOutputConnections.Connect(port, connection, kDAE_OutputConnected);
    }
    ComponentResult DisconnectOutput(SInt32 port) override { return fOutputConnections.Disconnect(port); }

    ComponentResult UpdateControlValue(SInt32 index, SInt32 value) override
    {
        if (index == fMasterBypassIndex && index != 0)
            fBypassed = value > 0;
        return CProcess::UpdateControlValue(index, value);
    }
    ComponentResult GetDelaySamples(SInt16* samples) override { return Answer(samples, 0); }
    virtual ComponentResult MuShInit() { return 0; }
    ComponentResult GetConnectionFormat(SInt32, Boolean, SConnectionFormat* format) override
    {
        return Answer(format, kOfferedConnectionFormat);
    }
    ComponentResult SetConnectionFormat(SInt32, Boolean, const SConnectionFormat* format) override
    {
        return IsAcceptedConnectionFormat(*format) ? 0 : kDAE_FormatNotAccepted;
    }

    bool IsBypassed() const { return fBypassed; }
    // index from 0; null when the port is free or outside the table.
    Connection* GetInputConnection(SInt32 index) const { return fInputConnections.Get(index); }
    Connection* GetOutputConnection(SInt32 index) const { return fOutputConnections.Get(index); }

protected:
    CConnectionTable<Connection> fInputConnections;
    CConnectionTable<Connection> fOutputConnections;

private:
    bool fBypassed = false;

    bool IsSideChainPort(SInt32 port) const { return port != 0 && port == GetSideChainInput(); }
};
