#include "CIdlePump.h"

#include <thread>

void CIdlePump::Tick()
{
    fAutomation.Pump();
    const EventRecord nullEvent{};
    for (CHostProcess* process : fProcesses)
        process->Routines().DoIdle(process->Type(), process->Index(), &nullEvent);
    fAutomation.Pump();
}

void CIdlePump::RunUntil(const std::function<bool()>& done)
{
    auto next = std::chrono::steady_clock::now();
    while (!done())
    {
        Tick();
        next += kInterval;
        std::this_thread::sleep_until(next);
    }
}
