#pragma once
// The host's main-thread idle: at every tick, the automation's waiting tokens are applied and
// each process gets its idle call (and through it its token queue and its editor).

#include <chrono>
#include <functional>
#include <vector>

#include "CAutomation.h"

class CIdlePump
{
public:
    static constexpr std::chrono::milliseconds kInterval{10};  // well above 50 idles a second

    explicit CIdlePump(CAutomation& automation) : fAutomation(automation) {}

    void Add(CHostProcess& process) { fProcesses.push_back(&process); }
    void Tick();
    // Ticks until done answers true, sleeping the interval between ticks.
    void RunUntil(const std::function<bool()>& done);

private:
    CAutomation& fAutomation;
    std::vector<CHostProcess*> fProcesses;
};
