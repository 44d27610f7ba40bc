#include "CMeterManager.h"

#include <algorithm>
#include <memory>

#include "CProcess.h"
#include "SystemTicks.h"

namespace
{
constexpr UInt32 kPollIntervalTicks = 2;
}

void CMeterManager::Initialize(CProcess* process, bool realTime)
{
    fProcess = process;
    fRealTime = realTime;
}

void CMeterManager::AddMeter(CPlugInMeter* meter)
{
    std::unique_ptr<CPlugInMeter> owned(meter);
    fMeters.push_back(std::move(owned));
    fKept.emplace_back();
    fFresh.push_back(0);
    fFreshClips.push_back(false);
}

const CPlugInMeter* CMeterManager::GetMeter(SInt32 index) const
{
    return index >= 1 && index <= GetNumMeters() ? fMeters[size_t(index - 1)].get() : nullptr;
}

void CMeterManager::Poll()
{
    const UInt32 now = TickCount();
    if (fMeters.empty() || (fPolled && now - fLastPollTick < kPollIntervalTicks))
        return;
    if (fRealTime && !fProcess->MetersUpdated())
        return;
    fProcess->SetMetersUpdated(false);
    fLastPollTick = now;
    fPolled = true;
    auto clips = std::make_unique<bool[]>(fMeters.size());
    fProcess->GetMetersFromDSPorRTAS(fFresh.data(), clips.get());
    for (size_t meter = 0; meter < fMeters.size(); ++meter)
        fFreshClips[meter] = clips[meter];
}

SInt32 CMeterManager::Answer(size_t meter, char reader)
{
    SKept& kept = fKept[meter];
    const SInt32 answer = kept.reader != reader ? std::max(fFresh[meter], kept.value) : fFresh[meter];
    kept = {fFresh[meter], reader, kept.clip || fFreshClips[meter]};
    return answer;
}

SInt32 CMeterManager::GetMeterValue(SInt32 index, char reader)
{
    if (GetMeter(index) == nullptr)
        return 0;
    Poll();
    return Answer(size_t(index - 1), reader);
}

void CMeterManager::GetAll(SInt32* values, bool* clips, char reader)
{
    Poll();
    for (size_t meter = 0; meter < fMeters.size(); ++meter)
    {
        values[meter] = Answer(meter, reader);
        clips[meter] = fKept[meter].clip;
    }
}

bool CMeterManager::AnyClip(char reader)
{
    Poll();
    bool any = false;
    for (size_t meter = 0; meter < fMeters.size(); ++meter)
    {
        Answer(meter, reader);
        any = any || fKept[meter].clip;
    }
    return any;
}

void CMeterManager::Clear()
{
    std::fill(fKept.begin(), fKept.end(), SKept{});
    std::fill(fFresh.begin(), fFresh.end(), 0);
    std::fill(fFreshClips.begin(), fFreshClips.end(), false);
}
