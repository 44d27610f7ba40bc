// Value formatting and parameter mapping.
#include "QVHelpers.h"

#include "QVString.h"

#include <cmath>
#include <cstring>

namespace {

constexpr int32_t kMaxDigits = 7;

void writeInfinity(float value, char* dest, int32_t maxLen, bool showPlus)
{
    const char* text = value < 0.0f ? "-oo" : (showPlus ? "+oo" : "oo");
    qv_strncpy(dest, text, maxLen, 0);
}

} // namespace

void QVHelpers::float2string(float value, char* dest, int32_t maxLen, bool showPlus, int32_t decimals)
{
    if (!std::isfinite(value)) {
        writeInfinity(value, dest, maxLen, showPlus);
        return;
    }
    const double magnitude = std::fabs(static_cast<double>(value));
    const double rounded = magnitude + 0.5 * std::pow(10.0, -static_cast<double>(decimals));
    if (!std::isfinite(rounded)) { // a huge negative decimals count
        writeInfinity(value, dest, maxLen, showPlus);
        return;
    }

    // Integer digits, least significant first.
    char reversed[kMaxDigits];
    int32_t digitCount = 0;
    double f = std::floor(rounded);
    do {
        reversed[digitCount++] = static_cast<char>('0' + static_cast<int>(std::fmod(f, 10.0)));
        f /= 10.0;
    } while (f >= 1.0 && digitCount < kMaxDigits);
    if (f >= 1.0) {
        writeInfinity(value, dest, maxLen, showPlus);
        return;
    }

    char integerText[kMaxDigits + 2];
    int32_t length = 0;
    if (value < 0.0f)
        integerText[length++] = '-';
    else if (showPlus && value > 0.0f)
        integerText[length++] = '+';
    while (digitCount > 0)
        integerText[length++] = reversed[--digitCount];
    integerText[length] = 0;
    qv_strncpy(dest, integerText, maxLen, 0);

    if (decimals < 1 || dest == nullptr || maxLen < 0)
        return;
    const auto written = static_cast<int32_t>(std::strlen(dest));
    if (maxLen - written < 2)
        return;

    const int32_t k = decimals < kMaxDigits ? decimals : kMaxDigits;
    double g = std::fmod(rounded, 1.0) * std::pow(10.0, k);
    char decimalText[kMaxDigits + 2];
    decimalText[0] = '.';
    for (int32_t i = k; i >= 1; --i) {
        decimalText[i] = static_cast<char>('0' + static_cast<int>(std::fmod(g, 10.0)));
        g /= 10.0;
    }
    decimalText[k + 1] = 0;
    qv_strncpy(dest, decimalText, maxLen, written);
}

void QVHelpers::long2string(int32_t value, char* dest, int32_t maxLen, bool showPlus)
{
    float2string(static_cast<float>(value), dest, maxLen, showPlus, 0);
}

void QVHelpers::dB2string(float value, char* dest, int32_t maxLen, bool showPlus, int32_t decimals)
{
    if (value > 0.0f)
        float2string(20.0f * std::log10(value), dest, maxLen, showPlus, decimals);
    else
        qv_strncpy(dest, "-oo", maxLen, 0);
}

float QVHelpers::string2float(const char* text, bool allowSuffix)
{
    if (text == nullptr)
        return 0.0f;
    double sum = 0.0;
    double scale = 0.0;
    double multiplier = 1.0;
    bool negative = false;
    for (const char* c = text; *c != 0; ++c) {
        if (*c == '-') {
            negative = true;
        } else if (*c >= '0' && *c <= '9') {
            sum = sum * 10.0 + (*c - '0');
            scale *= 10.0;
        } else if (*c == '.' || *c == ',') {
            scale = 1.0;
        } else if (allowSuffix && *c == 'k') {
            multiplier = 1000.0;
        } else if (allowSuffix && *c == 'm') {
            multiplier = 0.001;
        }
    }
    double result = multiplier * sum;
    if (scale > 1.0)
        result /= scale;
    if (negative)
        result = -result;
    return static_cast<float>(result);
}

float QVHelpers::param2float(float normalised, float minimum, float maximum, bool logarithmic)
{
    float e;
    if (logarithmic) {
        const double lnLo = std::log(static_cast<double>(minimum));
        const double lnHi = std::log(static_cast<double>(maximum));
        e = static_cast<float>(std::exp(normalised * (lnHi - lnLo) + lnLo));
    } else {
        e = (maximum - minimum) * normalised + minimum;
    }
    if (e > maximum)
        return maximum;
    return e > minimum ? e : minimum;
}

float QVHelpers::float2param(float value, float minimum, float maximum, bool logarithmic)
{
    float e;
    if (logarithmic) {
        const double lnLo = std::log(static_cast<double>(minimum));
        const double lnHi = std::log(static_cast<double>(maximum));
        e = static_cast<float>((std::log(static_cast<double>(value)) - lnLo) / (lnHi - lnLo));
    } else {
        e = (value - minimum) / (maximum - minimum);
    }
    if (e > 1.0f)
        return 1.0f;
    return e > 0.0f ? e : 0.0f;
}

int32_t QVHelpers::double2dsp(double value, int32_t shift)
{
    const double y = std::ldexp(value, -shift);
    if (y >= 1.0)
        return 0x7FFFFF;
    if (y <= -1.0)
        return -8388608; // 0xFF800000
    if (std::isnan(y))
        return 0;
    return static_cast<int32_t>(y * 8388608.0);
}

double QVHelpers::dsp2double(int32_t word, int32_t shift)
{
    const auto shifted = static_cast<int32_t>(static_cast<uint32_t>(word) << 8); // bit 23 becomes the sign
    return std::ldexp(static_cast<double>(shifted), shift - 31);
}

float QVHelpers::floatKillDenormal(float value)
{
    volatile float sum = value + 1e-18f; // volatile: keep the add-subtract pair as written
    return sum - 1e-18f;
}

double QVHelpers::doubleKillDenormal(double value)
{
    volatile double sum = value + 1e-18;
    return sum - 1e-18;
}
