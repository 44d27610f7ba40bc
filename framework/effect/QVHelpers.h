// QVHelpers: stateless static helpers of the effect framework.
// Value formatting and parameter mapping (QVHelpers.cpp) and
// DSP helper functions (QVHelpersDSP.cpp). None allocates.
#pragma once

#include <cstdint>

class QVHelpers
{
public:
    // ---- Value formatting and parameter mapping ----

    // Optional sign, up to seven integer digits and, for decimals >= 1, a point and up to seven
    // decimal digits; "oo", "+oo" or "-oo" for a magnitude of 10^7 or more and for non-finite values.
    static void float2string(float value, char* dest, int32_t maxLen, bool showPlus, int32_t decimals);
    static void long2string(int32_t value, char* dest, int32_t maxLen, bool showPlus);
    // value is a linear amplitude; zero, negative and not-a-number give "-oo".
    static void dB2string(float value, char* dest, int32_t maxLen, bool showPlus, int32_t decimals);
    // Digits, '.' or ',' as separator, '-' anywhere, and with allowSuffix 'k' and 'm'; null gives 0.
    static float string2float(const char* text, bool allowSuffix);
    static float param2float(float normalised, float minimum, float maximum, bool logarithmic);
    static float float2param(float value, float minimum, float maximum, bool logarithmic);
    // 24-bit two's-complement DSP words, full scale 2^23.
    static int32_t double2dsp(double value, int32_t shift);
    static double dsp2double(int32_t word, int32_t shift);
    static float floatKillDenormal(float value);
    static double doubleKillDenormal(double value);

    // ---- DSP helper functions ----

    // Filter types of preset2biquad; any other type behaves as kPresetBypass.
    enum PresetType : int32_t
    {
        kPresetBypass = 0,
        kPresetLowPass1 = 1,
        kPresetHighPass1 = 2,
        kPresetLowShelf1 = 3,
        kPresetHighShelf1 = 4,
        kPresetAllPass1 = 5,
        kPresetLowPass2 = 6,
        kPresetHighPass2 = 7,
        kPresetLowShelf2 = 8,
        kPresetHighShelf2 = 9,
        kPresetAllPass2 = 10,
        kPresetPeak = 11,
        kPresetPeakNyquist = 12,
    };

    // Biquad coefficient array positions, all divided by a0 (delta form: numerator minus denominator).
    enum BiquadCoefficient : int32_t
    {
        kCoefB0 = 0,
        kCoefB1 = 1,
        kCoefA1 = 2,
        kCoefB2 = 3,
        kCoefA2 = 4,
        kCoefCount = 5,
    };

    static double sinc(double x);
    static double triag(double n, double N);
    static double hann(double n, double N);
    static double hamming(double n, double N);
    static double blackman(double n, double N);
    // Roots of x^2 + p x + q as (re1, im1, re2, im2); true when they are complex. out holds 4 doubles.
    static bool quadroots(double* out, double p, double q);
    static double onePoleLP(double fs, double fc);
    static double onePoleRC(double x, double y, double k);
    // coef holds kCoefCount doubles; gain is a linear amplitude. A null coef writes nothing.
    static void preset2biquad(double* coef, double fs, int32_t type, double frequency, double q, double gain,
                              bool delta);
    // Bilinear transform (no prewarping) of (b2 s^2 + b1 s + b0) / (a2 s^2 + a1 s + a0); returns coef.
    static double* analog2biquad(double* coef, double fs, double b2, double b1, double b0, double a2, double a1,
                                 double a0, bool delta);
};
