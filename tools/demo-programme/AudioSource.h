// Stereo audio delivered block by block, as a host would feed the meter.
#pragma once

#include <cstdint>
#include <string>

class AudioSource
{
public:
    virtual ~AudioSource() = default;

    virtual int32_t sampleRate() const = 0;
    virtual int32_t channels() const = 0;
    virtual int64_t frames() const = 0;
    // Reads up to frames frames into left and right; returns the number read, 0 at the end.
    // On a decoding error returns -1 and leaves the reason in error().
    virtual int32_t read(float* left, float* right, int32_t frames) = 0;
    const std::string& error() const { return failure; }

protected:
    std::string failure;
};
