// Checks of rendering on the engine's real-time thread.
#include <cmath>
#include <functional>
#include <thread>

#include "CHostEngine.h"
#include "CAutomatedProcess.h"
#include "CRenderSession.h"
#include "CValidation.h"
#include "RealTimeAllocations.h"

namespace
{
constexpr SInt32 kRate = 44100;
constexpr size_t kFrames = 2 * kRate;
constexpr SInt32 kUsualBlock = 512;
constexpr float kUntouched = 12345.0f;
constexpr float kSameAudio = 1e-6f;

using WhileRendering = std::function<std::string(CHostProcess&)>;

SInt32 MaximumBlock()
{
    return CHostEngine::Instance().Settings().fMaximumRTASQuantum.load();
}

CRealTimeEngine& Engine()
{
    return CHostEngine::Instance().RealTime();
}

// A tone on the left and noise on the right, so that a swapped or shifted sample shows.
SAudio TestSignal(CValidation& validation)
{
    SAudio audio;
    audio.fSampleRate = kRate;
    audio.fChannels.assign(2, std::vector<float>(kFrames));
    for (size_t frame = 0; frame < kFrames; ++frame)
    {
        audio.fChannels[0][frame] = 0.5f * float(std::sin(2.0 * M_PI * 997.0 * double(frame) / kRate));
        audio.fChannels[1][frame] = float(validation.RandomIn(-8192, 8192)) / 32768.0f;
    }
    return audio;
}

// The signal rendered through a new process while the main thread runs the given step and idles.
std::string Render(CValidation& validation, const SAudio& input, SAudio& output, const WhileRendering& step)
{
    Engine().SetBlockLength(kUsualBlock);
    CRenderSession session(Engine(), 2 * MaximumBlock());
    CAutomatedProcess automated(validation.Routines(), validation.Type());
    CHostProcess& process = automated.Process();
    session.Attach(process, input, output);
    session.Start(CRealTimeEngine::EPacing::eAsFastAsPossible);
    std::string failure;
    while (!session.Finished() && failure.empty())
    {
        failure = step(process);
        automated.Settle();
    }
    session.Detach();
    Engine().SetBlockLength(kUsualBlock);
    return failure;
}

float LargestDifference(const SAudio& first, const SAudio& second)
{
    float largest = 0.0f;
    for (size_t channel = 0; channel < first.fChannels.size(); ++channel)
        for (size_t frame = 0; frame < first.Frames(); ++frame)
            largest = std::max(largest, std::fabs(first.fChannels[channel][frame] - second.fChannels[channel][frame]));
    return largest;
}

std::string RandomBlockLengths(CValidation& validation)
{
    const SAudio input = TestSignal(validation);
    SAudio steady, random;
    Render(validation, input, steady, [](CHostProcess&) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return std::string();
    });
    Render(validation, input, random, [&validation](CHostProcess&) {
        Engine().SetBlockLength(validation.RandomIn(1, MaximumBlock()));
        std::this_thread::sleep_for(std::chrono::microseconds(200));
        return std::string();
    });
    const float difference = LargestDifference(steady, random);
    return difference <= kSameAudio ? "" : "the audio differs by " + std::to_string(difference);
}

std::string BadBlockLengthsRefused(CValidation& validation)
{
    const SAudio input = TestSignal(validation);
    SAudio output;
    CRenderSession session(Engine(), 2 * MaximumBlock());
    CHostProcess process(validation.Routines(), validation.Type());
    session.Attach(process, input, output);
    std::string failure;
    for (SInt32 length : {0, MaximumBlock() + 1, 2 * MaximumBlock()})
    {
        session.FillOutputs(kUntouched);
        Engine().SetBlockLength(length);
        session.Start(CRealTimeEngine::EPacing::eAsFastAsPossible);
        Engine().WaitForBlocks(3, std::chrono::seconds(5));
        session.Stop();
        if (!session.OutputsHold(kUntouched) && failure.empty())
            failure = "a block of " + std::to_string(length) + " samples wrote the outputs";
    }
    session.Detach();
    Engine().SetBlockLength(kUsualBlock);
    return failure;
}

// Control changes of both kinds, settings reads and idle, all while the engine renders.
std::string ConcurrentWork(CValidation& validation)
{
    const SAudio input = TestSignal(validation);
    SAudio output;
    return Render(validation, input, output, [&validation](CHostProcess& process) -> std::string {
        const SInt32 controls = process.NumControls();
        if (controls > 0)
        {
            const SInt32 control = validation.RandomIn(1, controls);
            const SInt32 value = validation.RandomIn(INT32_MIN, INT32_MAX);
            if (const ComponentResult code = process.SetControlValue(control, value))
                return Mismatch("SetControlValue", code, 0);
            if (const ComponentResult code =
                    process.Routines().UpdateControlValue(process.Type(), process.Index(), control, value))
                return Mismatch("UpdateControlValue", code, 0);
        }
        process.SaveChunks();
        return "";
    });
}

// Last, so that it covers every block the checks before it rendered.
std::string NoRealTimeAllocations(CValidation&)
{
    if (!RealTimeAllocations::Measurable())
        return "";
    const UInt32 counted = RealTimeAllocations::Counted();
    return counted == 0 ? "" : std::to_string(counted) + " allocations on the real-time thread";
}
} // namespace

std::vector<SValidationCheck> RenderingChecks()
{
    return {
        {"rendering with random block lengths gives the same audio", RandomBlockLengths},
        {"blocks of 0 samples and longer than the maximum are refused, outputs untouched", BadBlockLengthsRefused},
        {"rendering concurrently with control changes, chunk reads and idle", ConcurrentWork},
        {RealTimeAllocations::Measurable() ? "zero allocations on the real-time thread"
                                           : "zero allocations on the real-time thread (not counted in sanitizer builds)",
         NoRealTimeAllocations},
    };
}
