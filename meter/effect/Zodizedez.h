// Zodizedez: the stereo dynamic-range meter effect.
//
// Per block it runs the DR engine on the two inputs, turns the engine's output into nineteen
// meters with display ballistics (peak fall-back, holds, RMS averaging, dynamic-range and peak
// smoothing) and passes the audio through, unchanged or as a mono sum. Everything processFloat
// writes and the editor reads is a relaxed atomic word; processFloat allocates nothing and locks
// nothing.
#pragma once

#include "DR.h"
#include "QVEffect.h"
#include "ZodizedezMeter.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>

class Zodizedez : public QVEffect
{
public:
    Zodizedez(int32_t pluginType, int32_t channelMode);
    ~Zodizedez() override;

    QVEditor* createEditor() override;
    int32_t getFlags() override;
    int32_t getCategories() override;
    bool transferCustomData(int32_t code, int32_t index, void* data, int32_t size) override;
    bool checkChannelConfig(int32_t inputs, int32_t outputs) override;
    void updateEffect(int32_t code, int32_t index) override;

    float getParameterDefault(int32_t index) override;
    int32_t getParameterStepCount(int32_t index) override;
    void getParameterNameString(int32_t index, char* text, int32_t maxLen) override;
    bool getParameterValueStringFromValue(int32_t index, char* text, int32_t maxLen, float value) override;

    float getMeter(int32_t index) override;
    float getMeterLinear(int32_t index) override;
    void getMeterValueString(int32_t index, char* text, int32_t maxLen) override;
    void getMeterUnitString(int32_t index, char* text, int32_t maxLen) override;

    void processFloat(float** inputs, float** outputs, int32_t frames) override;

    // The transferCustomData code by which the editor asks for the all-time peaks to be cleared.
    static constexpr int32_t kCustomDataResetPeaks = 0;
    static constexpr int32_t kFlags = 0x1C;
    static constexpr int32_t kCategories = 0x800;

private:
    void recomputeBlockCoefficients(float fs, int32_t n);
    void updateBallistics(const float* slots, int32_t n);
    void resetDisplays();
    void requestPeakReset();
    float analysisSlot(int32_t slot) const;

    // ---- Fields ----
    float lastSampleRate = 0;
    int32_t lastBlockLen = 0;
    std::atomic<bool> linked{false};
    std::unique_ptr<DR> engine;
    std::array<std::atomic<float>, DR::kOutputSize> analysis{};
    std::atomic<float> peakDisplayL{0}, peakDisplayR{0};
    std::atomic<float> rmsDisplayL{0}, rmsDisplayR{0};
    std::atomic<float> peakHoldL{0}, peakHoldR{0};
    std::atomic<int32_t> peakHoldCountL{0}, peakHoldCountR{0};
    std::atomic<float> rmsHoldL{0}, rmsHoldR{0};
    std::atomic<int32_t> rmsHoldCountL{0}, rmsHoldCountR{0};
    std::atomic<float> drL{0};
    std::atomic<float> peakSmoothL{0};
    std::atomic<float> drR{0};
    std::atomic<float> peakSmoothR{0};
    std::atomic<float> drLR{0};
    std::atomic<float> peakSmoothMax{0};
    float displayRelease = 0;
    int32_t holdLength = 0;
    float rmsDisplayGain = 0;
    float drSmoothCoef = 0;
    float peakRiseCoef = 0;
    float peakFallCoef = 0;
};
