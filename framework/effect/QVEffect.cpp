#include "QVEffect.h"

#include "QVString.h"

#include <cmath>
#include <cstring>

namespace {

constexpr auto kRelaxed = std::memory_order_relaxed;

int32_t channelsForMode(int32_t channelMode)
{
    if (channelMode == QVEffect::kChannelModeStereo)
        return 2;
    if (channelMode == QVEffect::kChannelModeMono)
        return 1;
    return 0;
}

float clampUnit(float value)
{
    if (value < 0.0f)
        return 0.0f;
    if (value > 1.0f)
        return 1.0f;
    return value;
}

void writeEmpty(char* text, int32_t maxLen)
{
    qv_strncpy(text, "", maxLen, 0);
}

} // namespace

QVEffect::QVEffect(int32_t pluginType_, int32_t channelMode_, int32_t bankCount_, int32_t parameterCount_,
                   int32_t meterCount_, int32_t clipCount_)
    : pluginType(pluginType_), channelMode(channelMode_), bankCount(bankCount_), parameterCount(parameterCount_),
      meterCount(meterCount_), clipCount(clipCount_), inputCount(channelsForMode(channelMode_)),
      outputCount(channelsForMode(channelMode_))
{
    const int64_t valueCount = static_cast<int64_t>(bankCount) * parameterCount;
    if (bankCount < 0 || parameterCount < 0 || valueCount > kMaxValueCount) {
        bankCount = bankCount < 0 ? 0 : bankCount;
        parameterCount = 0;
    }
    values = std::make_unique<std::atomic<float>[]>(static_cast<size_t>(bankCount) * static_cast<size_t>(parameterCount));
}

QVEffect::~QVEffect() = default;

// ---------------------------------------------------------------- lifecycle

void QVEffect::init()
{
    if (!valuesValid) {
        for (int32_t b = 0; parameterCount > 0 && b < bankCount; ++b)
            for (int32_t p = 0; p < parameterCount; ++p)
                values[p + b * parameterCount].store(getParameterDefaultFromBank(p, b), kRelaxed);
        valuesValid = true;
    }
    updateEffect(kUpdateInit, 0);
    for (int32_t p = 0; p < parameterCount; ++p)
        updateParameter(p);
    resetProcessing();
}

void QVEffect::deinit()
{
    updateEffect(kUpdateDeinit, 0);
}

void QVEffect::setCallback(void* context, QVEffectCallback fn)
{
    callbackContext = context;
    callback = fn;
}

bool QVEffect::sendCallback(int32_t code, int32_t index, float value, void* data, int32_t size)
{
    if (callback == nullptr)
        return false;
    return callback(callbackContext, code, index, value, data, size);
}

QVEditor* QVEffect::createEditor()
{
    return nullptr;
}

int32_t QVEffect::getUpdateCounter()
{
    return updateCounter.load(kRelaxed);
}

void QVEffect::updateEditor()
{
    const int32_t next = updateCounter.load(kRelaxed) + 1;
    updateCounter.store(next >= kUpdateCounterRange || next < 0 ? 0 : next, kRelaxed);
}

bool QVEffect::doIdle()
{
    return sendCallback(kCallbackIdle, 0, 0.0f, nullptr, 0);
}

// ---------------------------------------------------------------- description

int32_t QVEffect::getPluginType() { return pluginType; }
int32_t QVEffect::getChannelMode() { return channelMode; }
int32_t QVEffect::getFlags() { return 0; }
int32_t QVEffect::getCategories() { return 0; }
float QVEffect::getSampleRate() { return sampleRate; }
int32_t QVEffect::getBlockSize() { return blockSize; }

void QVEffect::setSampleRateBlockSize(float rate, int32_t size)
{
    deinit();
    if (rate > 0.0f && std::isfinite(rate))
        sampleRate = rate;
    if (size > 0)
        blockSize = size;
    init();
}

bool QVEffect::getBypass() { return bypass; }

void QVEffect::setBypass(bool on)
{
    bypass = on;
    updateEffect(kUpdateBypass, 0);
}

bool QVEffect::getSidechain() { return sidechain; }

void QVEffect::setSidechain(bool on)
{
    sidechain = on;
    updateEffect(kUpdateSidechain, 0);
}

int32_t QVEffect::getLatency() { return 0; }
int32_t QVEffect::getBankCount() { return bankCount; }
int32_t QVEffect::getParameterCount() { return parameterCount; }
int32_t QVEffect::getMeterCount() { return meterCount; }
int32_t QVEffect::getClipCount() { return clipCount; }

bool QVEffect::transferCustomData(int32_t, int32_t, void*, int32_t)
{
    return false;
}

// ---------------------------------------------------------------- channels

bool QVEffect::checkChannelConfig(int32_t inputs, int32_t outputs)
{
    return inputs >= 1 && inputs <= kMaxChannels && outputs >= 1 && outputs <= kMaxChannels && inputs == outputs;
}

bool QVEffect::setChannelConfig(int32_t inputs, int32_t outputs)
{
    if (!checkChannelConfig(inputs, outputs))
        return false;
    inputCount = inputs;
    outputCount = outputs;
    updateEffect(kUpdateChannelConfig, 0);
    return true;
}

int32_t QVEffect::getInputCount() { return inputCount; }
int32_t QVEffect::getOutputCount() { return outputCount; }

// ---------------------------------------------------------------- banks and parameters

int32_t QVEffect::getBank() { return bank.load(kRelaxed); }

void QVEffect::setBank(int32_t index, bool notify)
{
    if (index < 0 || index >= bankCount || !valuesValid)
        return;
    bank.store(index, kRelaxed);
    for (int32_t p = 0; p < parameterCount; ++p) {
        updateParameter(p);
        if (notify)
            sendCallback(kCallbackParameterChanged, p, getParameter(p), nullptr, 0);
    }
    updateEditor();
}

void QVEffect::updateEffect(int32_t, int32_t) {}

void QVEffect::touchParameter(int32_t index)
{
    updateEffect(kUpdateTouch, index);
}

void QVEffect::releaseParameter(int32_t index)
{
    updateEffect(kUpdateRelease, index);
}

int32_t QVEffect::valueSlot(int32_t index)
{
    if (index < 0 || index >= parameterCount || bankCount <= 0)
        return -1;
    if (getParameterFlags(index) & kParamGlobal)
        return index;
    int32_t b = bank.load(kRelaxed);
    if (b < 0 || b >= bankCount)
        b = 0;
    return index + b * parameterCount;
}

float QVEffect::getParameter(int32_t index)
{
    if (!valuesValid)
        return 0.0f;
    const int32_t slot = valueSlot(index);
    return slot < 0 ? 0.0f : values[slot].load(kRelaxed);
}

float QVEffect::getParameterDefault(int32_t) { return 0.0f; }

float QVEffect::getParameterDefaultFromBank(int32_t index, int32_t)
{
    return getParameterDefault(index);
}

int32_t QVEffect::getParameterDisplayIndex(int32_t, int32_t index) { return index; }
int32_t QVEffect::getParameterFlags(int32_t) { return 0; }
int32_t QVEffect::getParameterStepCount(int32_t) { return 1; }

int32_t QVEffect::getParameterStep(int32_t index)
{
    return getParameterStepFromValue(index, getParameter(index));
}

int32_t QVEffect::getParameterStepFromValue(int32_t index, float value)
{
    const int32_t n = getParameterStepCount(index);
    if (n < 2)
        return 0;
    // Range checks before the conversion, so NaN and huge values cannot overflow it.
    const float s = value * static_cast<float>(n - 1) + 0.5f;
    if (!(s >= 1.0f))
        return 0;
    if (s >= static_cast<float>(n))
        return n - 1;
    return static_cast<int32_t>(s);
}

float QVEffect::getParameterFromStep(int32_t index, int32_t step)
{
    const int32_t n = getParameterStepCount(index);
    if (n >= 2 && step >= 0 && step < n)
        return clampUnit(static_cast<float>(step) / static_cast<float>(n - 1));
    return getParameter(index);
}

float QVEffect::getParameterFromString(int32_t index, const char*)
{
    return getParameter(index);
}

void QVEffect::setParameter(int32_t index, float value, bool notify, bool)
{
    if (std::isnan(value))
        value = getParameter(index); // not a number: keep what is stored
    const int32_t n = getParameterStepCount(index);
    if (n >= 2) {
        const float s = value * static_cast<float>(n - 1) + 0.5f;
        int32_t step;
        if (s <= -1.0f)
            step = -1; // off the low end: a step outside 0..n-1
        else if (s >= static_cast<float>(n))
            step = n; // off the high end
        else
            step = static_cast<int32_t>(s);
        value = getParameterFromStep(index, step);
    }
    value = clampUnit(value);

    const bool inRange = index >= 0 && index < parameterCount;
    if (inRange && valuesValid) {
        const int32_t slot = valueSlot(index);
        if (slot >= 0)
            values[slot].store(value, kRelaxed);
    }
    updateParameter(index);
    if (notify && inRange)
        sendCallback(kCallbackParameterChanged, index, value, nullptr, 0);
    updateEditor();
}

void QVEffect::updateParameter(int32_t index)
{
    updateEffect(kUpdateParameter, index);
}

// ---------------------------------------------------------------- parameter texts

void QVEffect::getParameterNameString(int32_t, char* text, int32_t maxLen)
{
    writeEmpty(text, maxLen);
}

void QVEffect::getParameterValueString(int32_t index, char* text, int32_t maxLen)
{
    if (!getParameterValueStringFromValue(index, text, maxLen, getParameter(index)))
        writeEmpty(text, maxLen);
}

bool QVEffect::getParameterValueStringFromValue(int32_t, char*, int32_t, float)
{
    return false;
}

void QVEffect::getParameterUnitString(int32_t, char* text, int32_t maxLen)
{
    writeEmpty(text, maxLen);
}

void QVEffect::appendUnit(char* text, int32_t maxLen, const char* unit)
{
    if (text == nullptr || maxLen < 0 || unit[0] == 0)
        return;
    int32_t len = 0;
    while (len < maxLen && text[len] != 0)
        ++len;
    const auto unitLen = static_cast<int32_t>(std::strlen(unit));
    if (unitLen > maxLen - len - 1)
        return;
    qv_strncpy(text, " ", maxLen, len);
    qv_strncpy(text, unit, maxLen, len + 1);
}

namespace {
constexpr int32_t kUnitMaxLen = 63;
}

void QVEffect::getParameterValueUnitString(int32_t index, char* text, int32_t maxLen)
{
    getParameterValueString(index, text, maxLen);
    char unit[kUnitMaxLen + 1] = {};
    getParameterUnitString(index, unit, kUnitMaxLen);
    unit[kUnitMaxLen] = 0;
    appendUnit(text, maxLen, unit);
}

bool QVEffect::getParameterValueUnitStringFromValue(int32_t index, char* text, int32_t maxLen, float value)
{
    if (!getParameterValueStringFromValue(index, text, maxLen, value))
        return false;
    char unit[kUnitMaxLen + 1] = {};
    getParameterUnitString(index, unit, kUnitMaxLen);
    unit[kUnitMaxLen] = 0;
    appendUnit(text, maxLen, unit);
    return true;
}

// ---------------------------------------------------------------- meters and clips

float QVEffect::getMeter(int32_t index)
{
    return getMeterLinear(index);
}

float QVEffect::getMeterLinear(int32_t) { return 0.0f; }
int32_t QVEffect::getMeterType(int32_t) { return 0; }

void QVEffect::getMeterNameString(int32_t, char* text, int32_t maxLen)
{
    writeEmpty(text, maxLen);
}

void QVEffect::getMeterValueString(int32_t index, char* text, int32_t maxLen)
{
    if (!getMeterValueStringFromValue(index, text, maxLen, getMeter(index)))
        writeEmpty(text, maxLen);
}

bool QVEffect::getMeterValueStringFromValue(int32_t, char*, int32_t, float)
{
    return false;
}

void QVEffect::getMeterUnitString(int32_t, char* text, int32_t maxLen)
{
    writeEmpty(text, maxLen);
}

void QVEffect::getMeterValueUnitString(int32_t index, char* text, int32_t maxLen)
{
    getMeterValueString(index, text, maxLen);
    char unit[kUnitMaxLen + 1] = {};
    getMeterUnitString(index, unit, kUnitMaxLen);
    unit[kUnitMaxLen] = 0;
    appendUnit(text, maxLen, unit);
}

bool QVEffect::getMeterValueUnitStringFromValue(int32_t index, char* text, int32_t maxLen, float value)
{
    if (!getMeterValueStringFromValue(index, text, maxLen, value))
        return false;
    char unit[kUnitMaxLen + 1] = {};
    getMeterUnitString(index, unit, kUnitMaxLen);
    unit[kUnitMaxLen] = 0;
    appendUnit(text, maxLen, unit);
    return true;
}

void QVEffect::resetMeters()
{
    updateEffect(kUpdateResetMeters, 0);
}

int32_t QVEffect::getClip(int32_t) { return 0; }

void QVEffect::getClipNameString(int32_t, char* text, int32_t maxLen)
{
    writeEmpty(text, maxLen);
}

void QVEffect::resetClips()
{
    updateEffect(kUpdateResetClips, 0);
}

// ---------------------------------------------------------------- processing

void QVEffect::resetProcessing()
{
    updateEffect(kUpdateResetProcessing, 0);
    resetMeters();
    resetClips();
    processingReady = true;
}

bool QVEffect::checkProcessFloat(float** inputs, float** outputs, int32_t frames)
{
    const int32_t ins = getInputCount();
    const int32_t outs = getOutputCount();
    return frames >= 0 && frames <= blockSize && ins >= 1 && ins <= kMaxChannels && outs >= 1 &&
           outs <= kMaxChannels && processingReady.load(kRelaxed) && inputs != nullptr && outputs != nullptr;
}

void QVEffect::processFloat(float**, float**, int32_t) {}
