#include "MeterRun.h"

#include "QVEffect.h"

#include <memory>

namespace
{
constexpr float kMonoOn = 1.0f;

std::unique_ptr<QVEffect> createHostedMeter(const AudioSource& source, const MeterRunSettings& settings)
{
    std::unique_ptr<QVEffect> effect{createQVEffect(QVEffect::kPluginTypeRealTime, QVEffect::kChannelModeStereo)};
    effect->setSampleRateBlockSize(float(source.sampleRate()), settings.block);
    effect->setChannelConfig(2, 2);
    if (settings.mono)
        effect->setParameter(kParamMono, kMonoOn, false, false);
    return effect;
}
} // namespace

MeterRunOutcome runMeter(AudioSource& source, const MeterRunSettings& settings,
                         const std::vector<BlockObserver*>& observers, std::atomic<int64_t>* progress)
{
    MeterRunOutcome outcome;
    const auto effect = createHostedMeter(source, settings);
    const size_t block = size_t(settings.block);
    std::vector<float> inL(block), inR(block);
    // In place, as the host shares its buffers: the output overwrites the input.
    float* inputs[2] = {inL.data(), inR.data()};
    float* outputs[2] = {inL.data(), inR.data()};

    for (;;)
    {
        const int32_t frames = source.read(inL.data(), inR.data(), settings.block);
        if (frames < 0)
        {
            outcome.error = source.error();
            return outcome;
        }
        if (frames == 0)
            break;
        while (outcome.snapshots.size() < settings.snapshotFrames.size() &&
               outcome.frames + frames > settings.snapshotFrames[outcome.snapshots.size()])
            outcome.snapshots.push_back(MeterReadings::of(*effect));
        if (settings.effectObserver != nullptr)
            settings.effectObserver->beforeBlock(*effect, outcome.frames, frames);
        if (effect->checkProcessFloat(inputs, outputs, frames))
            effect->processFloat(inputs, outputs, frames);
        if (!observers.empty())
        {
            const MeterValues meters = MeterReadings::linearOf(*effect);
            for (BlockObserver* observer : observers)
                observer->onBlock(outcome.blocks, meters);
        }
        outcome.frames += frames;
        ++outcome.blocks;
        if (progress != nullptr)
            progress->fetch_add(frames, std::memory_order_relaxed);
    }
    if (settings.effectObserver != nullptr)
        settings.effectObserver->atEnd(*effect, outcome.frames);
    outcome.final = MeterReadings::of(*effect);
    outcome.snapshots.resize(settings.snapshotFrames.size(), outcome.final);
    return outcome;
}
