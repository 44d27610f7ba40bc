#pragma once
// The connections of a process's input or output ports, numbered from 1. The host connects on
// the main thread while the engine may render; each entry is published with release order so
// that a renderer that loads it sees the connection object it points to.

#include <atomic>
#include <memory>

#include "DAEErrorCodes.h"
#include "HostTypes.h"

template <typename Connection>
class CConnectionTable
{
public:
    using Slot = std::atomic<Connection*>;

    // All ports free.
    void Allocate(SInt32 size)
    {
        fSlots = std::make_unique<Slot[]>(size_t(size));
        fSize = size;
    }
    void Free()
    {
        fSlots.reset();
        fSize = 0;
    }
    Slot* GetSlots() const { return fSlots.get(); }

    bool IsPort(SInt32 port) const { return fSlots != nullptr && port >= 1 && port <= fSize; }

    // A null connection clears the port.
    ComponentResult Connect(SInt32 port, void* connection, ComponentResult occupied)
    {
        if (!IsPort(port))
            return kDAE_PortOutOfRange;
        if (SlotOf(port).load(std::memory_order_relaxed) != nullptr && connection != nullptr)
            return occupied;
        SlotOf(port).store(static_cast<Connection*>(connection), std::memory_order_release);
        return 0;
    }
    ComponentResult Disconnect(SInt32 port)
    {
        if (!IsPort(port))
            return kDAE_PortOutOfRange;
        if (SlotOf(port).load(std::memory_order_relaxed) == nullptr)
            return kDAE_PortNotConnected;
        SlotOf(port).store(nullptr, std::memory_order_release);
        return 0;
    }
    ComponentResult IsConnected(SInt32 port, Boolean* connected) const
    {
        if (!IsPort(port))
            return kDAE_PortOutOfRange;
        *connected = SlotOf(port).load(std::memory_order_relaxed) != nullptr;
        return 0;
    }
    bool CanConnect(SInt32 port) const
    {
        return IsPort(port) && SlotOf(port).load(std::memory_order_relaxed) == nullptr;
    }
    // index from 0; null when free or outside the table.
    Connection* Get(SInt32 index) const
    {
        return IsPort(index + 1) ? SlotOf(index + 1).load(std::memory_order_acquire) : nullptr;
    }

private:
    Slot& SlotOf(SInt32 port) const { return fSlots[size_t(port - 1)]; }

    std::unique_ptr<Slot[]> fSlots;
    SInt32 fSize = 0;
};
