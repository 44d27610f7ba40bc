#include "CTestEffect.h"

#include <cstdio>
#include <cstdlib>

#include "CRecordingEditor.h"
#include "QVString.h"

namespace
{
constexpr const char* kNames[CTestEffect::kParameterCount] = {"Gain\nGn", "Mode", "Amount\nAmt"};
constexpr float kDefaults[CTestEffect::kParameterCount] = {0.25f, 0.5f, 0.0f};
constexpr int32_t kSteps[CTestEffect::kParameterCount] = {1, CTestEffect::kModeSteps, 0};
constexpr int32_t kFlags = QVEffect::kEffectSidechain;

const char* NameOfUpdate(int32_t code)
{
    static constexpr const char* kNamesOfUpdates[] = {"init",      "deinit",    "parameter",    "touch",
                                                      "release",   "bypass",    "sidechain",    "channels",
                                                      "resetMeters", "resetClips", "resetProcessing"};
    return code >= 0 && code <= QVEffect::kUpdateResetProcessing ? kNamesOfUpdates[code] : "?";
}

bool IsParameter(int32_t index)
{
    return index >= 0 && index < CTestEffect::kParameterCount;
}
} // namespace

CTestEffect::CTestEffect(int32_t pluginType, int32_t channelMode)
    : QVEffect(pluginType, channelMode, 1, kParameterCount, kMeterCount, kClipCount)
{
    init();
    updates.clear();
}

CTestEffect::~CTestEffect()
{
    deinit();
}

int32_t CTestEffect::getFlags()
{
    return kFlags;
}

int32_t CTestEffect::getLatency()
{
    return kLatency;
}

void CTestEffect::updateEffect(int32_t code, int32_t index)
{
    const bool perParameter = code == kUpdateParameter || code == kUpdateTouch || code == kUpdateRelease;
    updates.push_back(perParameter ? std::string(NameOfUpdate(code)) + " " + std::to_string(index)
                                   : NameOfUpdate(code));
}

void CTestEffect::setParameter(int32_t index, float value, bool notify, bool spare)
{
    setParameterCalls.push_back({index, value, notify});
    QVEffect::setParameter(index, value, notify, spare);
}

float CTestEffect::getParameterDefault(int32_t index)
{
    return IsParameter(index) ? kDefaults[index] : 0.0f;
}

int32_t CTestEffect::getParameterFlags(int32_t index)
{
    return index == kAmount ? kParamNotAutomatable : 0;
}

int32_t CTestEffect::getParameterStepCount(int32_t index)
{
    return IsParameter(index) ? kSteps[index] : 1;
}

float CTestEffect::getParameterFromString(int32_t index, const char* text)
{
    return index == kGain ? float(std::atof(text)) : getParameter(index);
}

void CTestEffect::getParameterNameString(int32_t index, char* text, int32_t maxLen)
{
    qv_strncpy(text, IsParameter(index) ? kNames[index] : "", maxLen, 0);
}

// The mode knows how to name only the step it holds.
void CTestEffect::getParameterValueString(int32_t index, char* text, int32_t maxLen)
{
    if (index != kMode)
        return QVEffect::getParameterValueString(index, text, maxLen);
    char step[24];
    std::snprintf(step, sizeof step, "Step %d", getParameterStep(kMode) + 1);
    qv_strncpy(text, step, maxLen, 0);
}

bool CTestEffect::getParameterValueStringFromValue(int32_t index, char* text, int32_t maxLen, float value)
{
    if (index != kGain)
        return false;
    char number[32];
    std::snprintf(number, sizeof number, "%.2f", double(value));
    qv_strncpy(text, number, maxLen, 0);
    return true;
}

void CTestEffect::getParameterUnitString(int32_t index, char* text, int32_t maxLen)
{
    qv_strncpy(text, index == kGain ? "dB" : "", maxLen, 0);
}

float CTestEffect::getMeterLinear(int32_t index)
{
    return index >= 0 && index < kMeterCount ? meterLinear[size_t(index)].load(std::memory_order_relaxed) : 0.0f;
}

int32_t CTestEffect::getMeterType(int32_t index)
{
    return index >= 0 && index < kMeterCount ? kMeterTypes[size_t(index)] : 0;
}

int32_t CTestEffect::getClip(int32_t index)
{
    return index >= 0 && index < kClipCount ? clips[size_t(index)].load(std::memory_order_relaxed) : 0;
}

void CTestEffect::processFloat(float** inputs, float** outputs, int32_t frames)
{
    const int32_t block = blocksProcessed.fetch_add(1, std::memory_order_relaxed);
    if (size_t(block) < kMaxRecordedBlocks)
        blockLengths[size_t(block)].store(frames, std::memory_order_relaxed);
    for (size_t input = 0; input < lastInputs.size(); ++input)
        lastInputs[input].store(input < size_t(2 * getInputCount()) ? inputs[input] : nullptr,
                                std::memory_order_relaxed);
    for (int32_t channel = 0; channel < getOutputCount(); ++channel)
    {
        lastOutputs[size_t(channel)].store(outputs[channel], std::memory_order_relaxed);
        for (int32_t frame = 0; frame < frames; ++frame)
            outputs[channel][frame] = getBypass() ? inputs[channel][frame] : inputs[channel][frame] * 0.5f;
    }
}

bool CTestEffect::sGivesEditor = true;

QVEditor* CTestEffect::createEditor()
{
    return sGivesEditor ? new CRecordingEditor(this) : nullptr;
}

QVEffect* createQVEffect(int32_t pluginType, int32_t channelMode)
{
    return new CTestEffect(pluginType, channelMode);
}
