#pragma once
// The meters of a process: fresh values are read from the process at most every two ticks (a
// real-time process only after a block was rendered); each reader is answered the larger of
// the fresh value and the value another reader saw last, so that no reader misses a peak.

#include <memory>
#include <vector>

#include "HostTypes.h"

class CProcess;

struct CPlugInMeter
{
    Byte fOrientation = 0;
    Byte fMeterType = 0;
};

class CMeterManager
{
public:
    void Initialize(CProcess* process, bool realTime);
    // Takes ownership.
    void AddMeter(CPlugInMeter* meter);
    SInt32 GetNumMeters() const { return SInt32(fMeters.size()); }
    // index from 1; reader names the caller.
    SInt32 GetMeterValue(SInt32 index, char reader);
    const CPlugInMeter* GetMeter(SInt32 index) const;
    void GetAll(SInt32* values, bool* clips, char reader);
    bool AnyClip(char reader);
    void Clear();

private:
    struct SKept
    {
        SInt32 value = 0;
        char reader = 0;
        bool clip = false;
    };

    void Poll();
    SInt32 Answer(size_t meter, char reader);

    CProcess* fProcess = nullptr;
    bool fRealTime = false;
    UInt32 fLastPollTick = 0;
    bool fPolled = false;
    std::vector<std::unique_ptr<CPlugInMeter>> fMeters;
    std::vector<SKept> fKept;
    std::vector<SInt32> fFresh;
    std::vector<bool> fFreshClips;
};
