// A meter effect driven the way a host drives it: rate and block size, stereo, then blocks.
#pragma once

#include "StereoSignals.h"
#include "Zodizedez.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class MeterHost
{
public:
    MeterHost() { configure(44100, 512); }

    void configure(int32_t rate, int32_t largestBlock)
    {
        effect->setSampleRateBlockSize(float(rate), largestBlock);
        ASSERT_TRUE(effect->setChannelConfig(2, 2));
        sampleRate = rate;
    }

    // Runs one host block; false when the effect refuses it.
    bool processBlock(const StereoSignal& signal, int32_t frames)
    {
        inL.assign(size_t(frames), 0.0f);
        inR.assign(size_t(frames), 0.0f);
        outL.assign(size_t(frames), -9.0f);
        outR.assign(size_t(frames), -9.0f);
        for (int32_t i = 0; i < frames; ++i)
            std::tie(inL[size_t(i)], inR[size_t(i)]) = signal(position + i);
        float* inputs[2] = {inL.data(), inR.data()};
        float* outputs[2] = {outL.data(), outR.data()};
        if (!effect->checkProcessFloat(inputs, outputs, frames))
            return false;
        effect->processFloat(inputs, outputs, frames);
        position += frames;
        return true;
    }

    void play(const StereoSignal& signal, double seconds, int32_t block = 512)
    {
        for (int64_t end = position + int64_t(seconds * sampleRate); position < end;)
            ASSERT_TRUE(processBlock(signal, block));
    }

    float meter(int32_t index) { return effect->getMeterLinear(index); }

    std::string readout(int32_t index)
    {
        char text[32];
        effect->getMeterValueString(index, text, 31);
        return text;
    }

    std::unique_ptr<QVEffect> effect{createQVEffect(QVEffect::kPluginTypeRealTime, QVEffect::kChannelModeStereo)};
    int32_t sampleRate = 44100;
    int64_t position = 0;
    std::vector<float> inL, inR, outL, outR;
};

class MeterFixture : public ::testing::Test, public MeterHost
{
};
