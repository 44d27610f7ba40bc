#pragma once
// Audio held whole in memory, one sample vector per channel, as the host plays and records it.

#include <string>
#include <vector>

#include "HostTypes.h"

struct SAudio
{
    SInt32 fSampleRate = 44100;
    std::vector<std::vector<float>> fChannels;

    size_t Frames() const { return fChannels.empty() ? 0 : fChannels.front().size(); }
};

namespace AudioFiles
{
// Throw std::runtime_error with the reason.
SAudio Read(const std::string& path);
SAudio DemonstrationProgramme();
// 32-bit float WAV.
void Write(const std::string& path, const SAudio& audio);
} // namespace AudioFiles
