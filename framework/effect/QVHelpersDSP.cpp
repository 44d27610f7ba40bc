// DSP helper functions: windows, roots, one-pole gains and biquad designers.
#include "QVHelpers.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTiny = 1e-14;

// Writes (b0, b1, a1, b2, a2) / a0 in plain or delta form.
void writeBiquad(double* coef, double b0, double b1, double b2, double a0, double a1, double a2, bool delta)
{
    if (coef == nullptr)
        return;
    if (delta) {
        b0 -= a0;
        b1 -= a1;
        b2 -= a2;
    }
    coef[QVHelpers::kCoefB0] = b0 / a0;
    coef[QVHelpers::kCoefB1] = b1 / a0;
    coef[QVHelpers::kCoefA1] = a1 / a0;
    coef[QVHelpers::kCoefB2] = b2 / a0;
    coef[QVHelpers::kCoefA2] = a2 / a0;
}

struct Biquad
{
    double b0 = 1, b1 = 0, b2 = 0, a0 = 1, a1 = 0, a2 = 0;
};

// Type 12: a peak whose gain at Nyquist matches its analog prototype (unity reference gain).
Biquad designPeakNyquist(double fs, double f, double q, double gain, double w, double T)
{
    const double x = 1.0 / (2.0 * q);
    const double P = std::pow(2.0, (2.0 * std::log(x + std::sqrt(x * x + 1.0)) / std::log(2.0)) * 0.5);
    const double f1 = f / P;
    const double f2 = f * P;
    const double dw = 2.0 * kPi * (f2 - f1) / fs;
    const double w1 = 2.0 * kPi * f1 / fs;

    const double G = gain < 1.0 ? 1.0 / gain : gain;
    const double GB = std::sqrt(G);
    const double GB2 = GB * GB;
    const double G2 = G * G;

    const double P2 = kPi * kPi;
    const double spread = (w * w - P2) * (w * w - P2);
    const double num = G2 * std::fabs(GB2 - 1.0) * P2 * dw * dw + std::fabs(G2 - GB2) * spread;
    const double den = std::fabs(GB2 - 1.0) * P2 * dw * dw + std::fabs(G2 - GB2) * spread;
    const double G1 = std::fabs(den) < kTiny ? 1.0 : std::sqrt(num / den);

    const double W2 = std::fabs(G2 - 1.0) < kTiny
                          ? T * T
                          : T * T * std::sqrt(std::fabs(G2 - G1 * G1) / std::fabs(G2 - 1.0));
    const double Cc = 2.0 * W2 * (std::fabs(G2 - G1) - std::sqrt(std::fabs(G2 - 1.0) * std::fabs(G2 - G1 * G1)));

    double Dd = 1.0;
    if (std::fabs(G - GB) > kTiny) {
        const double t = std::tan(w1 / 2.0);
        const double t2 = t * t;
        Dd = std::sqrt((Cc * t2 + (t2 - W2) * (t2 - W2) * GB2 - (G1 * t2 - W2) * (G1 * t2 - W2)) / (t2 * (G2 - GB2)));
    }
    const double Bb = std::sqrt(G2 * Dd * Dd - Cc);

    Biquad boost{G1 + W2 + Bb, -2.0 * (G1 - W2), G1 - Bb + W2, Dd + W2 + 1.0, -2.0 * (1.0 - W2), W2 + 1.0 - Dd};
    if (gain > 1.0)
        return boost;
    // A cut is the exact inverse of the boost by 1/gain.
    return Biquad{boost.a0, boost.a1, boost.a2, boost.b0, boost.b1, boost.b2};
}

} // namespace

double QVHelpers::sinc(double x)
{
    return std::fabs(x) < kTiny ? 1.0 : std::sin(x) / x;
}

double QVHelpers::triag(double n, double N)
{
    return 2.0 / N * (N / 2.0 - std::fabs(n - (N - 1.0) / 2.0));
}

double QVHelpers::hann(double n, double N)
{
    return 0.5 * (1.0 - std::cos(2.0 * kPi * n / (N - 1.0)));
}

double QVHelpers::hamming(double n, double N)
{
    return 0.53836 - 0.46164 * std::cos(2.0 * kPi * n / (N - 1.0));
}

double QVHelpers::blackman(double n, double N)
{
    return 0.42 - 0.5 * std::cos(2.0 * kPi * n / (N - 1.0)) + 0.08 * std::cos(4.0 * kPi * n / (N - 1.0));
}

bool QVHelpers::quadroots(double* out, double p, double q)
{
    const double d = p * p / 4.0 - q;
    const bool complex = d < 0.0;
    if (out == nullptr)
        return complex;
    if (complex) {
        const double im = std::sqrt(-d);
        out[0] = -p / 2.0;
        out[1] = -im;
        out[2] = -p / 2.0;
        out[3] = im;
    } else {
        const double r = std::sqrt(d);
        out[0] = -p / 2.0 - r;
        out[1] = 0.0;
        out[2] = -p / 2.0 + r;
        out[3] = 0.0;
    }
    return complex;
}

double QVHelpers::onePoleLP(double fs, double fc)
{
    const double w = 2.0 * kPi * fc / fs;
    if (w > kPi) {
        const double r = kPi / w;
        const double y = 1.0 / std::sqrt(r * r + 1.0);
        return 2.0 * y / (y + 1.0);
    }
    const double c = std::cos(w);
    return c - 1.0 + std::sqrt(c * c - 4.0 * c + 3.0);
}

double QVHelpers::onePoleRC(double x, double y, double k)
{
    return 1.0 - std::exp(-k / (x * y));
}

void QVHelpers::preset2biquad(double* coef, double fs, int32_t type, double frequency, double q, double gain,
                              bool delta)
{
    if (coef == nullptr)
        return;
    Biquad h;
    if (type > kPresetBypass && type <= kPresetPeakNyquist) {
        const double f = std::fmin(frequency, fs * 0.95 * 0.5);
        const double wa = 2.0 * kPi * f;
        const double w = wa / fs;
        const double C = std::cos(w);
        const double S = std::sin(w);
        const double T = std::tan(w / 2.0);
        const double A = std::sqrt(gain);
        const double alpha = S / (2.0 * q);
        const double K = 2.0 * std::sqrt(A) * alpha;

        switch (type) {
        case kPresetLowPass1:
            h = {1.0, 1.0, 0.0, 1.0 + 1.0 / T, 1.0 - 1.0 / T, 0.0};
            break;
        case kPresetHighPass1:
            h = {1.0 / T, -1.0 / T, 0.0, 1.0 + 1.0 / T, 1.0 - 1.0 / T, 0.0};
            break;
        case kPresetLowShelf1:
        case kPresetHighShelf1: {
            // G0: gain at Nyquist of the analog shelf (s + gain wa/A) / (s + wa/A).
            const double piFs2 = (kPi * fs) * (kPi * fs);
            const double G0 = std::sqrt(((gain * wa / A) * (gain * wa / A) + piFs2) / (piFs2 + (wa / A) * (wa / A)));
            const double D = gain / G0;
            const double rootD = std::sqrt(D);
            if (type == kPresetLowShelf1)
                h = {G0 * (rootD * T + 1.0), G0 * (rootD * T - 1.0), 0.0, T / rootD + 1.0, T / rootD - 1.0, 0.0};
            else
                h = {D + rootD * T, rootD * T - D, 0.0, rootD * T + 1.0, rootD * T - 1.0, 0.0};
            break;
        }
        case kPresetAllPass1:
            h = {T - 1.0, T + 1.0, 0.0, T + 1.0, T - 1.0, 0.0};
            break;
        case kPresetLowPass2:
            h = {(1.0 - C) / 2.0, 1.0 - C, (1.0 - C) / 2.0, 1.0 + alpha, -2.0 * C, 1.0 - alpha};
            break;
        case kPresetHighPass2:
            h = {(1.0 + C) / 2.0, -(1.0 + C), (1.0 + C) / 2.0, 1.0 + alpha, -2.0 * C, 1.0 - alpha};
            break;
        case kPresetLowShelf2:
            h = {A * ((A + 1.0) - (A - 1.0) * C + K), 2.0 * A * ((A - 1.0) - (A + 1.0) * C),
                 A * ((A + 1.0) - (A - 1.0) * C - K), (A + 1.0) + (A - 1.0) * C + K,
                 -2.0 * ((A - 1.0) + (A + 1.0) * C), (A + 1.0) + (A - 1.0) * C - K};
            break;
        case kPresetHighShelf2:
            h = {A * ((A + 1.0) + (A - 1.0) * C + K), -2.0 * A * ((A - 1.0) + (A + 1.0) * C),
                 A * ((A + 1.0) + (A - 1.0) * C - K), (A + 1.0) - (A - 1.0) * C + K,
                 2.0 * ((A - 1.0) - (A + 1.0) * C), (A + 1.0) - (A - 1.0) * C - K};
            break;
        case kPresetAllPass2:
            h = {1.0 - alpha, -2.0 * C, 1.0 + alpha, 1.0 + alpha, -2.0 * C, 1.0 - alpha};
            break;
        case kPresetPeak:
            h = {1.0 + alpha * A, -2.0 * C, 1.0 - alpha * A, 1.0 + alpha / A, -2.0 * C, 1.0 - alpha / A};
            break;
        case kPresetPeakNyquist:
            h = designPeakNyquist(fs, f, q, gain, w, T);
            break;
        default:
            break;
        }
    }
    writeBiquad(coef, h.b0, h.b1, h.b2, h.a0, h.a1, h.a2, delta);
}

double* QVHelpers::analog2biquad(double* coef, double fs, double b2, double b1, double b0, double a2, double a1,
                                 double a0, bool delta)
{
    const double K = 2.0 * fs;
    const double K2 = K * K;
    writeBiquad(coef, K2 * b2 + K * b1 + b0, 2.0 * (b0 - K2 * b2), K2 * b2 - K * b1 + b0, K2 * a2 + K * a1 + a0,
                2.0 * (a0 - K2 * a2), K2 * a2 - K * a1 + a0, delta);
    return coef;
}
