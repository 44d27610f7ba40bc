#include "SoundFileSource.h"

#include <sndfile.h>

#include <mutex>

std::unique_ptr<SoundFileSource> SoundFileSource::open(const std::string& path, std::string& error)
{
    // A failed open leaves its reason in one process-wide buffer: files opened on several
    // threads take turns until the reason has been copied.
    static std::mutex opening;
    SF_INFO info{};
    SNDFILE* file = nullptr;
    {
        std::lock_guard lock(opening);
        file = sf_open(path.c_str(), SFM_READ, &info);
        if (file == nullptr)
            error = sf_strerror(nullptr);
    }
    if (file == nullptr)
        return nullptr;
    if (info.channels < 1 || info.samplerate < 1)
    {
        sf_close(file);
        error = "no audio channels or no sample rate";
        return nullptr;
    }
    return std::unique_ptr<SoundFileSource>(new SoundFileSource(file, info.samplerate, info.channels, info.frames));
}

SoundFileSource::SoundFileSource(SNDFILE* file_, int32_t rate_, int32_t channelCount_, int64_t frameCount_)
    : file(file_), rate(rate_), channelCount(channelCount_), frameCount(frameCount_)
{
}

SoundFileSource::~SoundFileSource()
{
    sf_close(file);
}

int32_t SoundFileSource::read(float* left, float* right, int32_t frames)
{
    interleaved.resize(size_t(frames) * size_t(channelCount));
    const sf_count_t got = sf_readf_float(file, interleaved.data(), frames);
    if (sf_error(file) != SF_ERR_NO_ERROR)
    {
        failure = sf_strerror(file);
        return -1;
    }
    const float* frame = interleaved.data();
    if (channelCount == 2) // the common case, kept simple enough to vectorise
    {
        for (size_t i = 0; i < size_t(got); ++i)
        {
            left[i] = frame[2 * i];
            right[i] = frame[2 * i + 1];
        }
        return int32_t(got);
    }
    const size_t stride = size_t(channelCount);
    const size_t second = channelCount > 1 ? 1 : 0;
    for (size_t i = 0; i < size_t(got); ++i)
    {
        left[i] = frame[i * stride];
        right[i] = frame[i * stride + second];
    }
    return int32_t(got);
}
