// A small concrete effect for the framework's tests: two banks, a global parameter, stepped and
// continuous parameters, and one event log that records update codes, callbacks and editor updates
// in the order they happen.
#pragma once

#include "QVEffect.h"
#include "QVHelpers.h"
#include "QVString.h"

#include <ostream>
#include <vector>

struct EffectEvent
{
    enum Kind { kUpdate, kCallback, kEditor };
    Kind kind;
    int32_t code = 0;
    int32_t index = 0;
    float value = 0.0f;

    bool operator==(const EffectEvent& other) const
    {
        return kind == other.kind && code == other.code && index == other.index && value == other.value;
    }
};

inline std::ostream& operator<<(std::ostream& out, const EffectEvent& e)
{
    static const char* const kinds[] = {"update", "callback", "editor"};
    return out << kinds[e.kind] << "(" << e.code << ", " << e.index << ", " << e.value << ")";
}

inline EffectEvent updateEvent(int32_t code, int32_t index = 0)
{
    return {EffectEvent::kUpdate, code, index, 0.0f};
}
inline EffectEvent callbackEvent(int32_t code, int32_t index, float value)
{
    return {EffectEvent::kCallback, code, index, value};
}
inline EffectEvent editorEvent()
{
    return {EffectEvent::kEditor, 0, 0, 0.0f};
}

using EventLog = std::vector<EffectEvent>;

// Callback receiver that records into an EventLog; answers like the host adapter (true for 0..6).
inline bool recordingCallback(void* context, int32_t code, int32_t index, float value, void* data, int32_t size)
{
    auto* log = static_cast<EventLog*>(context);
    if (log != nullptr && data == nullptr && size == 0)
        log->push_back(callbackEvent(code, index, value));
    return code >= 0 && code <= QVEffect::kCallbackIdle;
}

// Parameters: 0 "Gain", global, continuous, shown with a unit;
//             1 "Mode", 2 steps; 2 "Shape", 3 steps;
//             3 "Tone", continuous, default depends on the bank, no value text.
// Meter 0 reads as dB; clips are base behaviour.
class TestEffect : public QVEffect
{
public:
    enum { kGain = 0, kMode = 1, kShape = 2, kTone = 3, kParameterCount = 4, kBankCount = 2 };

    static constexpr float kGainDefault = 0.25f;
    static constexpr float kModeDefault = 1.0f;
    static constexpr float kShapeDefault = 0.5f;
    static float toneDefault(int32_t bank) { return 0.125f + 0.5f * static_cast<float>(bank); }

    EventLog log;
    float meterLevel = 0.5f;

    explicit TestEffect(int32_t channelMode = kChannelModeStereo, int32_t banks = kBankCount,
                        int32_t parameters = kParameterCount)
        : QVEffect(kPluginTypeRealTime, channelMode, banks, parameters, 3, 2)
    {
        init();
    }
    ~TestEffect() override { deinit(); }

    void attachCallback() { setCallback(&log, recordingCallback); }

    // Test access to protected state.
    bool isValuesValid() const { return valuesValid; }
    float rawValue(int32_t slot) const { return values[slot].load(); }

    void updateEffect(int32_t code, int32_t index) override { log.push_back(updateEvent(code, index)); }
    void updateEditor() override
    {
        log.push_back(editorEvent());
        QVEffect::updateEditor();
    }

    float getParameterDefault(int32_t index) override
    {
        switch (index) {
        case kGain: return kGainDefault;
        case kMode: return kModeDefault;
        case kShape: return kShapeDefault;
        default: return 0.0f;
        }
    }
    float getParameterDefaultFromBank(int32_t index, int32_t bank) override
    {
        return index == kTone ? toneDefault(bank) : getParameterDefault(index);
    }
    int32_t getParameterFlags(int32_t index) override { return index == kGain ? kParamGlobal : 0; }
    int32_t getParameterStepCount(int32_t index) override
    {
        if (index == kMode)
            return 2;
        if (index == kShape)
            return 3;
        return 1;
    }
    bool getParameterValueStringFromValue(int32_t index, char* text, int32_t maxLen, float value) override
    {
        if (index != kGain)
            return false;
        QVHelpers::float2string(value, text, maxLen, false, 2);
        return true;
    }
    void getParameterUnitString(int32_t index, char* text, int32_t maxLen) override
    {
        qv_strncpy(text, index == kGain ? "dB" : (index == kTone ? "Hz" : ""), maxLen, 0);
    }

    float getMeterLinear(int32_t index) override { return index == 0 ? meterLevel : 0.0f; }
    bool getMeterValueStringFromValue(int32_t index, char* text, int32_t maxLen, float value) override
    {
        if (index != 0)
            return false;
        QVHelpers::dB2string(value, text, maxLen, false, 1);
        return true;
    }
    void getMeterUnitString(int32_t index, char* text, int32_t maxLen) override
    {
        qv_strncpy(text, index == 0 ? "dB" : "", maxLen, 0);
    }
};

// The meter effect's shape as the meter stores it: one bank, Mono (default On) and Link (default Off).
class MeterShapedEffect : public QVEffect
{
public:
    EventLog log;
    MeterShapedEffect() : QVEffect(kPluginTypeRealTime, kChannelModeStereo, 1, 2, 19, 0) { init(); }
    ~MeterShapedEffect() override { deinit(); }
    void attachCallback() { setCallback(&log, recordingCallback); }
    float getParameterDefault(int32_t index) override { return index == 0 ? 1.0f : 0.0f; }
    int32_t getParameterStepCount(int32_t) override { return 2; }
    void updateEffect(int32_t code, int32_t index) override { log.push_back(updateEvent(code, index)); }
    void updateEditor() override
    {
        log.push_back(editorEvent());
        QVEffect::updateEditor();
    }
};
