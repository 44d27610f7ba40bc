#pragma once
// What the host's real-time engine and a real-time process share: the connection objects that
// carry sample buffers, the instance block handed back with every render call, the descriptor
// it points to, and the engine's real-time globals. 32-bit words stay 32-bit; words that hold
// pointers are pointer-sized.

#include <atomic>

#include "HostTypes.h"

// A real-time connection object: its first word is the sample buffer.
struct SRTASConnection
{
    float* fBuffer;
};

// An offline connection record: the sample bounds of the region, then the buffer and the
// number of samples it holds.
struct SASConnection
{
    SInt32 fHostWords[2];
    SInt32 fBoundsStart;
    SInt32 fBoundsEnd;
    float* fBuffer;
    SInt32 fSampleCount;
};

// Connection tables are written on the main thread while the engine renders; each entry is
// published with release order so that the renderer sees the connection object it points to.
using RTASConnectionSlot = std::atomic<SRTASConnection*>;

struct SRTASInstanceDescriptor
{
    void* fProcess;
    RTASConnectionSlot* fInputConnections;
    RTASConnectionSlot* fOutputConnections;
    SInt32 fNumInputs;
    SInt32 fNumOutputs;
    SInt32 fSideChainInput;  // port number, 0 for none
    SInt32 fVariableBlock;   // non-zero: blocks have the length the globals give
};

struct SRTASInstanceBlock
{
    void* fHostWords[2];
    SRTASInstanceDescriptor* fDescriptor;
};

// The engine's real-time globals; the process reads the block length at byte 88.
struct SRTGlobals
{
    SInt32 fHostWords[22];
    SInt32 fBlockLength;
    SInt32 fReserved[9];
};
static_assert(__builtin_offsetof(SRTGlobals, fBlockLength) == 88);

