#include "SAudio.h"

#include <sndfile.h>

#include <algorithm>
#include <stdexcept>

#include "DemoProgramme.h"

namespace
{
constexpr int32_t kReadFrames = 4096;

SAudio ReadAll(DemoProgramme& source)
{
    SAudio audio;
    audio.fSampleRate = source.sampleRate();
    audio.fChannels.assign(2, {});
    std::vector<float> left(kReadFrames), right(kReadFrames);
    while (const int32_t read = source.read(left.data(), right.data(), kReadFrames))
    {
        if (read < 0)
            throw std::runtime_error(source.error());
        audio.fChannels[0].insert(audio.fChannels[0].end(), left.begin(), left.begin() + read);
        audio.fChannels[1].insert(audio.fChannels[1].end(), right.begin(), right.begin() + read);
    }
    return audio;
}
} // namespace

// Every channel of the file, as 32-bit float.
SAudio AudioFiles::Read(const std::string& path)
{
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (file == nullptr)
        throw std::runtime_error(path + ": " + sf_strerror(nullptr));
    std::vector<float> interleaved(size_t(info.frames) * size_t(info.channels));
    const sf_count_t read = sf_readf_float(file, interleaved.data(), info.frames);
    sf_close(file);
    SAudio audio;
    audio.fSampleRate = info.samplerate;
    audio.fChannels.assign(size_t(info.channels), std::vector<float>(size_t(std::max<sf_count_t>(read, 0))));
    for (size_t frame = 0; frame < audio.Frames(); ++frame)
        for (size_t channel = 0; channel < audio.fChannels.size(); ++channel)
            audio.fChannels[channel][frame] = interleaved[frame * audio.fChannels.size() + channel];
    return audio;
}

SAudio AudioFiles::DemonstrationProgramme()
{
    DemoProgramme programme;
    return ReadAll(programme);
}

void AudioFiles::Write(const std::string& path, const SAudio& audio)
{
    SF_INFO info{};
    info.samplerate = audio.fSampleRate;
    info.channels = int(audio.fChannels.size());
    info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr)
        throw std::runtime_error(path + ": " + sf_strerror(nullptr));
    std::vector<float> interleaved(audio.Frames() * audio.fChannels.size());
    for (size_t frame = 0; frame < audio.Frames(); ++frame)
        for (size_t channel = 0; channel < audio.fChannels.size(); ++channel)
            interleaved[frame * audio.fChannels.size() + channel] = audio.fChannels[channel][frame];
    const sf_count_t written = sf_writef_float(file, interleaved.data(), sf_count_t(audio.Frames()));
    sf_close(file);
    if (written != sf_count_t(audio.Frames()))
        throw std::runtime_error(path + ": not all audio could be written");
}
