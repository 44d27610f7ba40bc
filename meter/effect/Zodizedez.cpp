// Construction, parameters, reported constants and the factory of the meter effect.
#include "Zodizedez.h"

#include "QVString.h"
#include "ZodizedezEditor.h"

namespace
{
constexpr int32_t kBankCount = 1;
constexpr int32_t kHostMeterCount = 0; // the meters serve the effect's own window, not the host
constexpr int32_t kHostClipCount = 0;

bool isSwitch(int32_t index)
{
    return index == kParamMono || index == kParamLink;
}
} // namespace

Zodizedez::Zodizedez(int32_t pluginType, int32_t channelMode)
    : QVEffect(pluginType, channelMode, kBankCount, kParamTotal, kHostMeterCount, kHostClipCount),
      engine(std::make_unique<DR>())
{
    init();
}

Zodizedez::~Zodizedez()
{
    deinit();
}

QVEditor* Zodizedez::createEditor()
{
    return new ZodizedezEditor(this);
}

int32_t Zodizedez::getFlags()
{
    return QVEffect::getFlags() | kFlags;
}

int32_t Zodizedez::getCategories()
{
    return QVEffect::getCategories() | kCategories;
}

bool Zodizedez::transferCustomData(int32_t code, int32_t index, void* data, int32_t size)
{
    if (code != kCustomDataResetPeaks)
        return QVEffect::transferCustomData(code, index, data, size);
    requestPeakReset();
    return true;
}

bool Zodizedez::checkChannelConfig(int32_t inputs, int32_t outputs)
{
    return inputs == 2 && outputs == 2;
}

float Zodizedez::getParameterDefault(int32_t index)
{
    return isSwitch(index) ? 0.0f : QVEffect::getParameterDefault(index);
}

int32_t Zodizedez::getParameterStepCount(int32_t index)
{
    return isSwitch(index) ? 2 : QVEffect::getParameterStepCount(index);
}

void Zodizedez::getParameterNameString(int32_t index, char* text, int32_t maxLen)
{
    if (index == kParamMono)
        qv_strncpy(text, "Mono", maxLen, 0);
    else if (index == kParamLink)
        qv_strncpy(text, "Link", maxLen, 0);
    else
        QVEffect::getParameterNameString(index, text, maxLen);
}

bool Zodizedez::getParameterValueStringFromValue(int32_t index, char* text, int32_t maxLen, float value)
{
    if (!isSwitch(index))
        return QVEffect::getParameterValueStringFromValue(index, text, maxLen, value);
    qv_strncpy(text, getParameterStepFromValue(index, value) != 0 ? "On" : "Off", maxLen, 0);
    return true;
}

QVEffect* createQVEffect(int32_t pluginType, int32_t channelMode)
{
    return new Zodizedez(pluginType, channelMode);
}
