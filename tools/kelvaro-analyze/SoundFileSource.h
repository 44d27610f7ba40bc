// An audio file read through libsndfile as 32-bit float: mono feeds both channels, of more than
// two channels the first two are used.
#pragma once

#include "AudioSource.h"

#include <memory>
#include <vector>

struct sf_private_tag;

class SoundFileSource : public AudioSource
{
public:
    // Null with the reason in error when the file cannot be opened as audio.
    static std::unique_ptr<SoundFileSource> open(const std::string& path, std::string& error);
    ~SoundFileSource() override;

    int32_t sampleRate() const override { return rate; }
    int32_t channels() const override { return channelCount; }
    int64_t frames() const override { return frameCount; }
    int32_t read(float* left, float* right, int32_t frames) override;

private:
    SoundFileSource(sf_private_tag* file, int32_t rate, int32_t channelCount, int64_t frameCount);

    sf_private_tag* file;
    int32_t rate;
    int32_t channelCount;
    int64_t frameCount;
    std::vector<float> interleaved;
};
