#include "CRenderSession.h"

#include <algorithm>
#include <chrono>

#include "CHostError.h"
#include "RealTimeAllocations.h"

struct CRenderSession::STap
{
    SRTASInstanceBlock fBlock;  // first, so that the engine's block pointer is the tap's
    SRTASInstanceDescriptor fDescriptor;
    CRenderSession* fSession;
};

namespace
{
SInt64 NowNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
} // namespace

CRenderSession::CRenderSession(CRealTimeEngine& engine, SInt32 capacity)
    : fEngine(engine), fCapacity(capacity), fStartTap(new STap{}), fEndTap(new STap{})
{
    for (STap* tap : {fStartTap.get(), fEndTap.get()})
    {
        tap->fBlock.fDescriptor = &tap->fDescriptor;
        tap->fSession = this;
    }
    ThrowOnHostError(fEngine.Register(&fStartTap->fBlock, &StartOfBlock), "joining the real-time engine");
}

CRenderSession::~CRenderSession()
{
    Stop();
    fEngine.Unregister(&fStartTap->fBlock);
    fEngine.Unregister(&fEndTap->fBlock);
    Detach();
}

void CRenderSession::Attach(CHostProcess& process, const SAudio& input, SAudio& output)
{
    fProcess = &process;
    fInput = &input;
    fOutput = &output;
    fFrames = UInt32(input.Frames());
    output.fSampleRate = input.fSampleRate;
    output.fChannels.assign(size_t(process.NumOutputs()), std::vector<float>(input.Frames(), 0.0f));
    fInputBuffers.assign(size_t(process.NumInputs()), std::vector<float>(size_t(fCapacity), 0.0f));
    fOutputBuffers.assign(size_t(process.NumOutputs()), std::vector<float>(size_t(fCapacity), 0.0f));
    for (auto& buffer : fInputBuffers)
        fInputConnections.push_back({buffer.data()});
    for (auto& buffer : fOutputBuffers)
        fOutputConnections.push_back({buffer.data()});
    CRoutineTable& routines = process.Routines();
    for (size_t port = 0; port < fInputConnections.size(); ++port)
        ThrowOnHostError(routines.ConnectInput(process.Type(), process.Index(), SInt32(port + 1), &fInputConnections[port]),
                         "connecting an input");
    for (size_t port = 0; port < fOutputConnections.size(); ++port)
        ThrowOnHostError(routines.ConnectOutput(process.Type(), process.Index(), SInt32(port + 1), &fOutputConnections[port]),
                         "connecting an output");
    Feed();
    ThrowOnHostError(fEngine.Register(&fEndTap->fBlock, &EndOfBlock), "joining the real-time engine");
}

void CRenderSession::Detach()
{
    if (fProcess == nullptr)
        return;
    Stop();
    fEngine.Unregister(&fEndTap->fBlock);
    CRoutineTable& routines = fProcess->Routines();
    for (size_t port = 0; port < fInputConnections.size(); ++port)
        routines.DisconnectInput(fProcess->Type(), fProcess->Index(), SInt32(port + 1));
    for (size_t port = 0; port < fOutputConnections.size(); ++port)
        routines.DisconnectOutput(fProcess->Type(), fProcess->Index(), SInt32(port + 1));
    fProcess = nullptr;
}

void CRenderSession::Start(CRealTimeEngine::EPacing pacing, EEnd end)
{
    fEnd = end;
    fEngine.SetSampleRate(fInput != nullptr ? fInput->fSampleRate : 44100);
    fEngine.Start(pacing);
}

void CRenderSession::Stop()
{
    fEngine.Stop();
}

CRenderSession::SLoad CRenderSession::Load() const
{
    const UInt32 frames = FramesDone();
    const double rate = fInput != nullptr ? fInput->fSampleRate : 44100.0;
    const double audioSeconds = frames / rate;
    const double busySeconds = fBusyMicroseconds.load(std::memory_order_relaxed) * 1e-6;
    return {audioSeconds > 0 ? busySeconds / audioSeconds : 0.0,
            fWorstPerMille.load(std::memory_order_relaxed) * 1e-3};
}

void CRenderSession::FillOutputs(float value)
{
    for (auto& buffer : fOutputBuffers)
        std::fill(buffer.begin(), buffer.end(), value);
}

bool CRenderSession::OutputsHold(float value) const
{
    return std::all_of(fOutputBuffers.begin(), fOutputBuffers.end(), [value](const auto& buffer) {
        return std::all_of(buffer.begin(), buffer.end(), [value](float sample) { return sample == value; });
    });
}

// ---- The real-time thread

void CRenderSession::StartOfBlock(SRTASInstanceBlock* block, SRTGlobals*)
{
    RealTimeAllocations::WatchThisThread();
    reinterpret_cast<STap*>(block)->fSession->fBlockStartNanoseconds = NowNanoseconds();
}

void CRenderSession::EndOfBlock(SRTASInstanceBlock* block, SRTGlobals* globals)
{
    CRenderSession& session = *reinterpret_cast<STap*>(block)->fSession;
    if (session.Finished())
        return;
    const SInt32 samples = std::clamp(globals->fBlockLength, 0, session.fCapacity);
    session.Measure(samples);
    session.Record(samples);
    session.Feed();
    if (session.Finished() && session.fEnd == EEnd::eStopAtTheEnd)
        session.fEngine.RequestStop();
}

void CRenderSession::Record(SInt32 samples)
{
    const UInt32 position = FramesDone();
    const UInt32 frames = std::min<UInt32>(UInt32(samples), fFrames - std::min(position, fFrames));
    for (size_t channel = 0; channel < fOutput->fChannels.size(); ++channel)
    {
        const auto& buffer = fOutputBuffers[channel];
        std::copy_n(buffer.begin(), frames, fOutput->fChannels[channel].begin() + position);
    }
    fFramesDone.store(position + frames, std::memory_order_relaxed);
    fBlocks.fetch_add(1, std::memory_order_relaxed);
}

// The whole buffer, so that the next block may have any length up to the capacity.
void CRenderSession::Feed()
{
    const UInt32 position = std::min(FramesDone(), fFrames);
    const UInt32 frames = std::min<UInt32>(UInt32(fCapacity), fFrames - position);
    for (size_t port = 0; port < fInputBuffers.size(); ++port)
    {
        const auto& source = fInput->fChannels[std::min(port, fInput->fChannels.size() - 1)];
        auto& buffer = fInputBuffers[port];
        std::copy_n(source.begin() + position, frames, buffer.begin());
        std::fill(buffer.begin() + frames, buffer.end(), 0.0f);
    }
}

void CRenderSession::Measure(SInt32 samples)
{
    const SInt64 elapsed = NowNanoseconds() - fBlockStartNanoseconds;
    fBusyNanoseconds += elapsed;
    fBusyMicroseconds.store(UInt32(fBusyNanoseconds / 1000), std::memory_order_relaxed);
    if (samples == 0)
        return;
    const double duration = double(samples) / fInput->fSampleRate * 1e9;
    const UInt32 perMille = UInt32(double(elapsed) / duration * 1000.0);
    if (perMille > fWorstPerMille.load(std::memory_order_relaxed))
        fWorstPerMille.store(perMille, std::memory_order_relaxed);
}
