// A small effect for editor tests: three parameters with distinct defaults, four settable
// meters, two settable clip states, value texts, and a callback that logs every report.
#pragma once

#include "QVEffect.h"
#include "QVString.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

struct Report
{
    int32_t code;
    int32_t index;
    float value;
    bool operator==(const Report&) const = default;
};

class TestEffect : public QVEffect
{
public:
    static constexpr int32_t kParameters = 3;
    static constexpr int32_t kMeters = 4;
    static constexpr int32_t kClips = 2;

    float meters[kMeters] = {};
    int32_t clips[kClips] = {};
    int32_t clipResets = 0;
    std::vector<Report> reports;
    bool idleHandled = false; // what the host answers to an idle request

    TestEffect() : QVEffect(kPluginTypeRealTime, kChannelModeStereo, 1, kParameters, kMeters, kClips)
    {
        init();
        setCallback(this, &TestEffect::receive);
    }
    ~TestEffect() override { deinit(); }

    float getParameterDefault(int32_t index) override { return 0.25f * static_cast<float>(index + 1); }
    bool getParameterValueStringFromValue(int32_t, char* text, int32_t maxLen, float value) override
    {
        return format(text, maxLen, "%.2f", value);
    }
    void getParameterUnitString(int32_t, char* text, int32_t maxLen) override { qv_strncpy(text, "dB", maxLen, 0); }
    float getParameterFromString(int32_t, const char* text) override { return std::strtof(text, nullptr); }
    float getMeter(int32_t index) override { return index >= 0 && index < kMeters ? meters[index] : 0; }
    bool getMeterValueStringFromValue(int32_t, char* text, int32_t maxLen, float value) override
    {
        return format(text, maxLen, "%.1f", value);
    }
    int32_t getClip(int32_t index) override { return index >= 0 && index < kClips ? clips[index] : 0; }
    void updateEffect(int32_t code, int32_t) override { clipResets += code == kUpdateResetClips; }

private:
    static bool receive(void* context, int32_t code, int32_t index, float value, void*, int32_t)
    {
        auto* self = static_cast<TestEffect*>(context);
        self->reports.push_back({code, index, value});
        return code != kCallbackIdle || self->idleHandled;
    }
    static bool format(char* text, int32_t maxLen, const char* pattern, float value)
    {
        char formatted[32];
        std::snprintf(formatted, sizeof formatted, pattern, static_cast<double>(value));
        qv_strncpy(text, formatted, maxLen, 0);
        return true;
    }
};
