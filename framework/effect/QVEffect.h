// QVEffect: the host-neutral effect base class.
//
// Holds normalised parameter values in banks, the channel configuration,
// sample rate, block size, bypass and side-chain switches and a callback.
// A concrete effect derives from it, overrides the virtual operations it
// needs, calls init() as the last step of its constructor and deinit() first
// in its destructor. Nothing here throws, logs or allocates after construction.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

class QVEditor;

// Receiver of the effect's reports: (context, code, index, value, data, size).
using QVEffectCallback = bool (*)(void* context, int32_t code, int32_t index, float value, void* data,
                                  int32_t size);

class QVEffect
{
public:
    // Kinds of host instance (pluginType).
    enum PluginType : int32_t
    {
        kPluginTypeQuery = 0,
        kPluginTypeRealTime = 3,
        kPluginTypeOffline = 4,
    };

    // Channel modes (channelMode).
    enum ChannelMode : int32_t
    {
        kChannelModeAny = 0,
        kChannelModeMono = 1,
        kChannelModeStereo = 2,
    };

    // Codes of updateEffect, sent by this class to itself.
    enum UpdateCode : int32_t
    {
        kUpdateInit = 0,
        kUpdateDeinit = 1,
        kUpdateParameter = 2,
        kUpdateTouch = 3,
        kUpdateRelease = 4,
        kUpdateBypass = 5,
        kUpdateSidechain = 6,
        kUpdateChannelConfig = 7,
        kUpdateResetMeters = 8,
        kUpdateResetClips = 9,
        kUpdateResetProcessing = 10,
    };

    // Codes of sendCallback; the receiver answers true for 0..6.
    enum CallbackCode : int32_t
    {
        kCallbackSetParameter = 0,
        kCallbackBeginEdit = 1,
        kCallbackEndEdit = 2,
        kCallbackParameterChanged = 3,
        kCallbackRefreshParameter = 4,
        kCallbackResizeWindow = 5,
        kCallbackIdle = 6,
    };

    // Bits of getFlags, read by the host adapter.
    enum EffectFlag : int32_t
    {
        kEffectNoStereoType = 0x01,
        kEffectMonoGestalt30 = 0x02, // unnamed: the mono real-time type receives host gestalt 30
        kEffectNoMasterBypass = 0x04,
        kEffectNoOfflineType = 0x08,
        kEffectSidechain = 0x20,
    };

    // Bits of getParameterFlags.
    enum ParameterFlag : int32_t
    {
        kParamGlobal = 0x1,
        kParamNotAutomatable = 0x2,
    };

    static constexpr int32_t kUpdateCounterRange = 1024;
    static constexpr int32_t kMaxChannels = 8;
    // Largest bankCount x parameterCount accepted, so that getStateSize fits in 32 bits;
    // a larger (or negative) request leaves the effect with no parameters.
    static constexpr int32_t kMaxValueCount = 1 << 24;

    // Does not call init(): virtual calls here would not reach the derived class.
    QVEffect(int32_t pluginType, int32_t channelMode, int32_t bankCount, int32_t parameterCount,
             int32_t meterCount, int32_t clipCount);
    QVEffect(const QVEffect&) = delete;
    QVEffect& operator=(const QVEffect&) = delete;

    // ---- Virtual operations, in slot order ----
    virtual ~QVEffect();

    virtual void init();
    virtual void deinit();
    virtual void setCallback(void* context, QVEffectCallback fn);
    virtual bool sendCallback(int32_t code, int32_t index, float value, void* data, int32_t size);
    virtual int32_t getStateSize();
    virtual void saveState(void* out);
    virtual bool restoreState(const void* in, int32_t size, bool notify);
    virtual QVEditor* createEditor();
    virtual int32_t getUpdateCounter();
    virtual void updateEditor();
    virtual bool doIdle();
    virtual int32_t getPluginType();
    virtual int32_t getChannelMode();
    virtual int32_t getFlags();
    virtual int32_t getCategories();
    virtual float getSampleRate();
    virtual int32_t getBlockSize();
    virtual void setSampleRateBlockSize(float rate, int32_t size);
    virtual bool getBypass();
    virtual void setBypass(bool on);
    virtual bool getSidechain();
    virtual void setSidechain(bool on);
    virtual int32_t getLatency();
    virtual int32_t getBankCount();
    virtual int32_t getParameterCount();
    virtual int32_t getMeterCount();
    virtual int32_t getClipCount();
    virtual bool transferCustomData(int32_t code, int32_t index, void* data, int32_t size);
    virtual bool checkChannelConfig(int32_t inputs, int32_t outputs);
    virtual bool setChannelConfig(int32_t inputs, int32_t outputs);
    virtual int32_t getInputCount();
    virtual int32_t getOutputCount();
    virtual int32_t getBank();
    virtual void setBank(int32_t index, bool notify);
    virtual void updateEffect(int32_t code, int32_t index);
    virtual void touchParameter(int32_t index);
    virtual void releaseParameter(int32_t index);
    virtual float getParameter(int32_t index);
    virtual float getParameterDefault(int32_t index);
    virtual float getParameterDefaultFromBank(int32_t index, int32_t bank);
    virtual int32_t getParameterDisplayIndex(int32_t context, int32_t index);
    virtual int32_t getParameterFlags(int32_t index);
    virtual int32_t getParameterStepCount(int32_t index);
    virtual int32_t getParameterStep(int32_t index);
    virtual int32_t getParameterStepFromValue(int32_t index, float value);
    virtual float getParameterFromStep(int32_t index, int32_t step);
    virtual float getParameterFromString(int32_t index, const char* text);
    virtual void setParameter(int32_t index, float value, bool notify, bool spare);
    virtual void updateParameter(int32_t index);
    virtual void getParameterNameString(int32_t index, char* text, int32_t maxLen);
    virtual void getParameterValueString(int32_t index, char* text, int32_t maxLen);
    virtual bool getParameterValueStringFromValue(int32_t index, char* text, int32_t maxLen, float value);
    virtual void getParameterUnitString(int32_t index, char* text, int32_t maxLen);
    virtual void getParameterValueUnitString(int32_t index, char* text, int32_t maxLen);
    virtual bool getParameterValueUnitStringFromValue(int32_t index, char* text, int32_t maxLen, float value);
    virtual float getMeter(int32_t index);
    virtual float getMeterLinear(int32_t index);
    virtual int32_t getMeterType(int32_t index);
    virtual void getMeterNameString(int32_t index, char* text, int32_t maxLen);
    virtual void getMeterValueString(int32_t index, char* text, int32_t maxLen);
    virtual bool getMeterValueStringFromValue(int32_t index, char* text, int32_t maxLen, float value);
    virtual void getMeterUnitString(int32_t index, char* text, int32_t maxLen);
    virtual void getMeterValueUnitString(int32_t index, char* text, int32_t maxLen);
    virtual bool getMeterValueUnitStringFromValue(int32_t index, char* text, int32_t maxLen, float value);
    virtual void resetMeters();
    virtual int32_t getClip(int32_t index);
    virtual void getClipNameString(int32_t index, char* text, int32_t maxLen);
    virtual void resetClips();
    virtual void resetProcessing();
    virtual bool checkProcessFloat(float** inputs, float** outputs, int32_t frames);
    virtual void processFloat(float** inputs, float** outputs, int32_t frames);

protected:
    // Slot of parameter index in the current bank (bank 0 for kParamGlobal); -1 when out of range.
    int32_t valueSlot(int32_t index);
    // Appends " unit" to the value text already in text, when the unit fits whole.
    void appendUnit(char* text, int32_t maxLen, const char* unit);

    // ---- Fields, in declaration order ----
    QVEffectCallback callback = nullptr;
    void* callbackContext = nullptr;
    int32_t pluginType;
    int32_t channelMode;
    int32_t bankCount;
    int32_t parameterCount;
    int32_t meterCount;
    int32_t clipCount;
    int32_t inputCount;
    int32_t outputCount;
    std::atomic<int32_t> updateCounter{0}; // relaxed: polled by the editor
    float sampleRate = 44100.0f;
    int32_t blockSize = 2048;
    bool valuesValid = false;
    std::unique_ptr<std::atomic<float>[]> values; // bankCount x parameterCount, relaxed
    std::atomic<int32_t> bank{0}; // read with the values by the audio path
    std::atomic<bool> bypass{false};          // read by the audio path
    std::atomic<bool> sidechain{false};
    std::atomic<bool> processingReady{false}; // checked by checkProcessFloat
};

// Provided by each effect library: a new instance of its concrete effect; the caller owns it.
QVEffect* createQVEffect(int32_t pluginType, int32_t channelMode);
