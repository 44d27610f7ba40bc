// The built-in demonstration programme: about 20 s of stereo generated in memory, in passages
// that show what the meter reads.
#pragma once

#include "AudioSource.h"

#include <vector>

class DemoProgramme : public AudioSource
{
public:
    static constexpr int32_t kRate = 44100;
    static constexpr int64_t kPassageFrames = 4 * kRate;

    DemoProgramme();

    int32_t sampleRate() const override { return kRate; }
    int32_t channels() const override { return 2; }
    int64_t frames() const override { return int64_t(left.size()); }
    int32_t read(float* leftOut, float* rightOut, int32_t frames) override;

    // Names of the passages, in the order they play.
    static const std::vector<const char*>& passageNames();

private:
    std::vector<float> left, right;
    size_t position = 0;
};
