// Runs the meter effect over a source exactly as a host does: created for a real-time stereo
// insert, given the source's rate and the block size, configured two in, two out, then fed
// blocks through checkProcessFloat and processFloat.
#pragma once

#include "AudioSource.h"
#include "MeterReadings.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

// Sees the meters after every block.
class BlockObserver
{
public:
    virtual ~BlockObserver() = default;
    virtual void onBlock(int64_t blockIndex, const MeterValues& meters) = 0;
};

class QVEffect;

// Sees the effect itself, for what only the effect can give (its window).
class EffectObserver
{
public:
    virtual ~EffectObserver() = default;
    // framesDone: frames processed so far; blockFrames: the next block's, about to be processed.
    virtual void beforeBlock(QVEffect& effect, int64_t framesDone, int32_t blockFrames) = 0;
    virtual void atEnd(QVEffect& effect, int64_t frames) = 0;
};

struct MeterRunSettings
{
    int32_t block = 512;
    bool mono = false;
    // Frame counts, ascending, at which the readings are taken as well: after the last block that
    // ends at or before each.
    std::vector<int64_t> snapshotFrames;
    EffectObserver* effectObserver = nullptr;
};

struct MeterRunOutcome
{
    int64_t frames = 0;
    int64_t blocks = 0;
    MeterReadings final;
    std::vector<MeterReadings> snapshots; // one per snapshot frame
    std::string error;                    // empty on success
};

// progress, when given, is advanced by every frame processed.
MeterRunOutcome runMeter(AudioSource& source, const MeterRunSettings& settings,
                         const std::vector<BlockObserver*>& observers, std::atomic<int64_t>* progress = nullptr);
