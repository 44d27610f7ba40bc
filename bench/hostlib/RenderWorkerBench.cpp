// The render worker's share of a host block: from the instance block to RenderAudio and the
// meters-updated flag, for a stereo process whose RenderAudio only copies.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <vector>

#include "CEffectGroup.h"
#include "CEffectProcessRTAS.h"

// The bench has no group of its own; the library still asks every plug-in for this hook.
void CEffectGroup::CreateProcessTypeObjects()
{
    CreateEffectTypes();
}

namespace
{
class CCopyProcess : public CEffectProcessRTAS
{
public:
    void RenderAudio(float** inputs, float** outputs, SInt32 numSamples) override
    {
        for (int channel = 0; channel < 2; ++channel)
            std::copy(inputs[channel], inputs[channel] + numSamples, outputs[channel]);
    }
};

void RenderWorker(benchmark::State& state)
{
    const auto blockLength = SInt32(state.range(0));
    CCopyProcess process;
    process.Initialize();
    std::vector<std::vector<float>> buffers(4, std::vector<float>(size_t(blockLength), 0.5f));
    std::array<SRTASConnection, 4> connections = {};
    for (size_t channel = 0; channel < 4; ++channel)
        connections[channel].fBuffer = buffers[channel].data();
    for (SInt32 port = 1; port <= 2; ++port)
    {
        process.ConnectInput(port, &connections[size_t(port - 1)]);
        process.ConnectOutput(port, &connections[size_t(port + 1)]);
    }
    SRTASInstanceDescriptor descriptor = {&process, nullptr, nullptr, 2, 2, 0, 1};
    SRTASInstanceBlock block = {{}, &descriptor};
    SRTGlobals globals = {};
    globals.fBlockLength = blockLength;
    for (auto _ : state)
    {
        CEffectProcessRTAS::RenderAudioWorker(&block, &globals);
        benchmark::DoNotOptimize(buffers[2].data());
    }
    state.SetItemsProcessed(state.iterations() * blockLength);
    process.Free();
}
BENCHMARK(RenderWorker)->Arg(32)->Arg(512);
} // namespace
