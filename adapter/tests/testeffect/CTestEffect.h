#pragma once
// A small effect that reaches the adapter's rules the meter does not: a master bypass, a side
// chain, a continuous parameter that formats any value, a five-step parameter that formats only
// its own value, a stepless parameter the host may not automate, meters of several types, clip
// lights, latency, offline use and an editor that records what reaches it. It passes audio through and keeps what its processing saw in
// fixed storage, so recording allocates nothing on the real-time thread.

#include <array>
#include <atomic>
#include <string>
#include <vector>

#include "QVEffect.h"

class CTestEffect : public QVEffect
{
public:
    enum EParameter : int32_t
    {
        kGain,
        kMode,
        kAmount,
        kParameterCount
    };
    static constexpr int32_t kMeterCount = 4;
    static constexpr int32_t kClipCount = 2;
    static constexpr int32_t kLatency = 64;
    static constexpr int32_t kModeSteps = 5;
    static constexpr std::array<int32_t, kMeterCount> kMeterTypes = {0, 1, 0, 3};
    static constexpr size_t kMaxRecordedBlocks = 16;

    // One call of setParameter on this instance.
    struct SSetParameter
    {
        int32_t index;
        float value;
        bool notify;
        bool operator==(const SSetParameter&) const = default;
    };

    CTestEffect(int32_t pluginType, int32_t channelMode);
    ~CTestEffect() override;

    int32_t getFlags() override;
    int32_t getLatency() override;
    void updateEffect(int32_t code, int32_t index) override;
    void setParameter(int32_t index, float value, bool notify, bool spare) override;
    float getParameterDefault(int32_t index) override;
    int32_t getParameterFlags(int32_t index) override;
    int32_t getParameterStepCount(int32_t index) override;
    float getParameterFromString(int32_t index, const char* text) override;
    void getParameterNameString(int32_t index, char* text, int32_t maxLen) override;
    void getParameterValueString(int32_t index, char* text, int32_t maxLen) override;
    bool getParameterValueStringFromValue(int32_t index, char* text, int32_t maxLen, float value) override;
    void getParameterUnitString(int32_t index, char* text, int32_t maxLen) override;
    float getMeterLinear(int32_t index) override;
    int32_t getMeterType(int32_t index) override;
    int32_t getClip(int32_t index) override;
    void processFloat(float** inputs, float** outputs, int32_t frames) override;
    // A CRecordingEditor, or null while sGivesEditor is false.
    QVEditor* createEditor() override;

    static bool sGivesEditor;

    // ---- What the tests set
    std::array<std::atomic<float>, kMeterCount> meterLinear{};
    std::array<std::atomic<int32_t>, kClipCount> clips{};

    // ---- What the tests read; the update and parameter logs are main-thread only
    std::vector<std::string> updates;
    std::vector<SSetParameter> setParameterCalls;
    std::atomic<int32_t> blocksProcessed{0};
    std::array<std::atomic<int32_t>, kMaxRecordedBlocks> blockLengths{};
    std::array<std::atomic<float*>, 2 * kMaxChannels> lastInputs{};
    std::array<std::atomic<float*>, kMaxChannels> lastOutputs{};
};
