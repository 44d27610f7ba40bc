#pragma once
// One process rendering audio on the engine's real-time thread, as a host plays a track
// through an insert: the host's connection buffers, and two taps of its own that the engine
// runs around the plug-in's worker every block. The first marks the block's start; the second,
// after the worker, records the outputs, feeds the next input and measures the block's load.
// Everything the taps touch is made before the engine starts: they allocate nothing and lock nothing.

#include <atomic>
#include <memory>

#include "CHostProcess.h"
#include "CRealTimeEngine.h"
#include "SAudio.h"

class CRenderSession
{
public:
    struct SLoad
    {
        double fMean;   // time spent per block over the block's duration, all blocks together
        double fWorst;  // the same for the slowest block
    };

    // Made before the process, so that its start tap runs before the plug-in's worker.
    // Buffers hold capacity samples; the engine's blocks should be no longer.
    CRenderSession(CRealTimeEngine& engine, SInt32 capacity);
    ~CRenderSession();
    CRenderSession(const CRenderSession&) = delete;
    CRenderSession& operator=(const CRenderSession&) = delete;

    // Connects the process's ports and records its output from here on. The audio objects
    // outlive the session; output gets the input's frames on each of the process's outputs.
    void Attach(CHostProcess& process, const SAudio& input, SAudio& output);
    // Before the process is freed: its ports are given back.
    void Detach();
    enum class EEnd
    {
        eKeepRendering,  // blocks after the end of the input are rendered and not recorded
        eStopAtTheEnd    // the engine stops after the block that completes the input, as a transport does
    };
    void Start(CRealTimeEngine::EPacing pacing, EEnd end = EEnd::eKeepRendering);
    void Stop();
    bool Finished() const { return FramesDone() >= fFrames; }
    UInt32 FramesDone() const { return fFramesDone.load(std::memory_order_relaxed); }
    UInt32 Blocks() const { return fBlocks.load(std::memory_order_relaxed); }
    SLoad Load() const;

    // With the engine stopped: the outputs' buffers, to check what a block wrote.
    void FillOutputs(float value);
    bool OutputsHold(float value) const;

private:
    struct STap;

    static void StartOfBlock(SRTASInstanceBlock* block, SRTGlobals* globals);
    static void EndOfBlock(SRTASInstanceBlock* block, SRTGlobals* globals);
    void Record(SInt32 samples);
    void Feed();
    void Measure(SInt32 samples);

    CRealTimeEngine& fEngine;
    const SInt32 fCapacity;
    std::unique_ptr<STap> fStartTap, fEndTap;
    CHostProcess* fProcess = nullptr;
    const SAudio* fInput = nullptr;
    SAudio* fOutput = nullptr;
    UInt32 fFrames = 0;
    EEnd fEnd = EEnd::eKeepRendering;
    std::vector<std::vector<float>> fInputBuffers, fOutputBuffers;
    std::vector<SRTASConnection> fInputConnections, fOutputConnections;
    SInt64 fBlockStartNanoseconds = 0;  // the real-time thread's own
    SInt64 fBusyNanoseconds = 0;        // the real-time thread's own
    std::atomic<UInt32> fFramesDone{0};
    std::atomic<UInt32> fBlocks{0};
    std::atomic<UInt32> fBusyMicroseconds{0};
    std::atomic<UInt32> fWorstPerMille{0};
};
