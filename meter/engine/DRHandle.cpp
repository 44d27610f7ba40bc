#include "DRHandle.h"

#include "DR.h"

namespace DRHandle
{
void* Init()
{
    return new DR;
}

void Exit(void* engine)
{
    delete static_cast<DR*>(engine);
}

int32_t Process(void* engine, int32_t sampleRate, float** inputs, int32_t frames, float** outputs)
{
    auto* dr = static_cast<DR*>(engine);
    if (dr == nullptr || inputs == nullptr || inputs[0] == nullptr || inputs[1] == nullptr || sampleRate <= 0)
        return 0;
    if (sampleRate != dr->sampleRateHz.load(std::memory_order_relaxed))
    {
        dr->sampleRateHz.store(sampleRate, std::memory_order_relaxed);
        dr->recalc.store(2, std::memory_order_relaxed);
    }
    dr->DoProcess(inputs[0], inputs[1], outputs != nullptr ? outputs[0] : nullptr, frames);
    return 1;
}

void Clear(void* engine)
{
    if (engine != nullptr)
        static_cast<DR*>(engine)->clear();
}

int32_t SetParam(void* engine, void*, int32_t index, float value)
{
    if (engine != nullptr)
        static_cast<DR*>(engine)->setParam(index, value);
    return 0;
}
} // namespace DRHandle
