#pragma once
// The port operations the real-time and the offline effect process share: each keeps its inputs
// and outputs in a connection table of its own kind of connection object. Connecting or
// disconnecting the side-chain input port also tells the process.

#include "CConnectionTable.h"
#include "CEffectProcess.h"
#include "ProcessAnswers.h"

template <typename Connection>
class CEffectProcessPorts : public virtual CEffectProcess
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

    // index from 0; null when the port is free or outside the table.
    Connection* GetInputConnection(SInt32 index) const { return fInputConnections.Get(index); }
    Connection* GetOutputConnection(SInt32 index) const { return fOutputConnections.Get(index); }

protected:
    CConnectionTable<Connection> fInputConnections;
    CConnectionTable<Connection> fOutputConnections;

private:
    bool IsSideChainPort(SInt32 port) const { return port != 0 && port == GetSideChainInput(); }
};
