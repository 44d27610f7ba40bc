// DSP helper functions. Filter designs are checked through their frequency
// responses H(e^jw), not by restating the coefficient formulas.
#include "QVHelpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>

namespace {

using Complex = std::complex<double>;
constexpr double kPi = std::numbers::pi;
constexpr double kFs = 48000.0;

// Response of a plain-form coefficient array at f Hz.
Complex response(const double* coef, double f, double fs = kFs)
{
    const Complex z1 = std::polar(1.0, -2.0 * kPi * f / fs); // z^-1
    const Complex num = coef[QVHelpers::kCoefB0] + coef[QVHelpers::kCoefB1] * z1 + coef[QVHelpers::kCoefB2] * z1 * z1;
    const Complex den = 1.0 + coef[QVHelpers::kCoefA1] * z1 + coef[QVHelpers::kCoefA2] * z1 * z1;
    return num / den;
}

// Response of the dry signal plus a delta-form filter: 1 + (B - A) / A.
Complex deltaResponse(const double* coef, double f, double fs = kFs)
{
    return 1.0 + response(coef, f, fs);
}

double magnitude(const double* coef, double f) { return std::abs(response(coef, f)); }

constexpr double kNyquist = kFs / 2.0;
const double kRootHalf = std::sqrt(0.5);

struct Design
{
    double coef[QVHelpers::kCoefCount];
    Design(int32_t type, double f, double q, double gain, bool delta = false)
    {
        QVHelpers::preset2biquad(coef, kFs, type, f, q, gain, delta);
    }
};

// ---------------------------------------------------------------- scalar helpers

TEST(Sinc, OneAtZeroAndZeroAtPi)
{
    EXPECT_EQ(QVHelpers::sinc(0.0), 1.0);
    EXPECT_EQ(QVHelpers::sinc(1e-15), 1.0);
    EXPECT_NEAR(QVHelpers::sinc(kPi), 0.0, 1e-15);
    EXPECT_NEAR(QVHelpers::sinc(kPi / 2.0), 2.0 / kPi, 1e-15);
}

TEST(Windows, EndPointsAndCentre)
{
    const double N = 65.0;
    EXPECT_NEAR(QVHelpers::hann(0.0, N), 0.0, 1e-15);
    EXPECT_NEAR(QVHelpers::hann((N - 1.0) / 2.0, N), 1.0, 1e-15);
    EXPECT_NEAR(QVHelpers::hann(N - 1.0, N), 0.0, 1e-15);
    EXPECT_NEAR(QVHelpers::hamming(0.0, N), 0.07672, 1e-12);
    EXPECT_NEAR(QVHelpers::hamming((N - 1.0) / 2.0, N), 1.0, 1e-12);
    EXPECT_NEAR(QVHelpers::blackman(0.0, N), 0.0, 1e-15);
    EXPECT_NEAR(QVHelpers::blackman((N - 1.0) / 2.0, N), 1.0, 1e-12);
    EXPECT_NEAR(QVHelpers::triag((N - 1.0) / 2.0, N), 1.0, 1e-15);
    EXPECT_NEAR(QVHelpers::triag(0.0, 5.0), 0.2, 1e-15);
    for (double n = 0; n < N; n += 1.0) // windows are symmetric
        EXPECT_NEAR(QVHelpers::blackman(n, N), QVHelpers::blackman(N - 1.0 - n, N), 1e-12);
}

TEST(Quadroots, RealAndComplexRoots)
{
    double roots[4];
    EXPECT_FALSE(QVHelpers::quadroots(roots, -3.0, 2.0));
    EXPECT_DOUBLE_EQ(roots[0], 1.0);
    EXPECT_DOUBLE_EQ(roots[1], 0.0);
    EXPECT_DOUBLE_EQ(roots[2], 2.0);
    EXPECT_DOUBLE_EQ(roots[3], 0.0);

    EXPECT_TRUE(QVHelpers::quadroots(roots, 0.0, 1.0));
    EXPECT_DOUBLE_EQ(roots[0], 0.0);
    EXPECT_DOUBLE_EQ(roots[1], -1.0);
    EXPECT_DOUBLE_EQ(roots[2], 0.0);
    EXPECT_DOUBLE_EQ(roots[3], 1.0);

    EXPECT_TRUE(QVHelpers::quadroots(nullptr, 0.0, 1.0)); // a null array only reports the kind
}

TEST(OnePoleLP, SmootherIsThreeDecibelsDownAtItsCorner)
{
    for (double fc : {50.0, 1000.0, 5000.0, 12000.0, 20000.0}) {
        const double g = QVHelpers::onePoleLP(kFs, fc);
        // y += g (x - y): H(z) = g / (1 - (1 - g) z^-1)
        const double coef[5] = {g, 0.0, -(1.0 - g), 0.0, 0.0};
        EXPECT_NEAR(magnitude(coef, 0.0), 1.0, 1e-12) << fc;
        EXPECT_NEAR(magnitude(coef, fc), kRootHalf, 1e-9) << fc;
    }
}

TEST(OnePoleLP, ContinuousAcrossNyquistAndBelowOneAbove)
{
    const double atNyquist = QVHelpers::onePoleLP(kFs, kNyquist);
    EXPECT_NEAR(QVHelpers::onePoleLP(kFs, kNyquist * 1.000001), atNyquist, 1e-6);
    for (double fc : {30000.0, 100000.0, 1e9}) {
        const double g = QVHelpers::onePoleLP(kFs, fc);
        EXPECT_GT(g, atNyquist);
        EXPECT_LE(g, 1.0);
    }
}

TEST(OnePoleRC, StepResponseReachesItsTimeConstant)
{
    // k = 1: after y seconds the step has risen to 1 - 1/e; k = 2.2: to about 90 %.
    const double seconds = 0.01;
    for (double k : {1.0, 2.2}) {
        const double g = QVHelpers::onePoleRC(kFs, seconds, k);
        double y = 0.0;
        for (int i = 0; i < static_cast<int>(kFs * seconds); ++i)
            y += g * (1.0 - y);
        EXPECT_NEAR(y, 1.0 - std::exp(-k), 1e-9) << k;
    }
}

// ---------------------------------------------------------------- preset2biquad

TEST(Preset2Biquad, BypassIsIdentityAndZeroInDeltaForm)
{
    for (int32_t type : {0, 13, 99, -1}) {
        Design plain(type, 1000.0, 0.7, 2.0);
        Design delta(type, 1000.0, 0.7, 2.0, true);
        const double identity[5] = {1, 0, 0, 0, 0};
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(plain.coef[i], identity[i]) << "type " << type << " position " << i;
            EXPECT_EQ(delta.coef[i], 0.0) << "type " << type << " position " << i;
        }
    }
}

TEST(Preset2Biquad, FirstOrderLowAndHighPassAreThreeDecibelsDownAtTheCorner)
{
    for (double f : {100.0, 1000.0, 10000.0}) {
        Design lp(QVHelpers::kPresetLowPass1, f, 0.7, 1.0);
        EXPECT_NEAR(magnitude(lp.coef, 0.0), 1.0, 1e-12);
        EXPECT_NEAR(magnitude(lp.coef, f), kRootHalf, 1e-9) << f;
        EXPECT_NEAR(magnitude(lp.coef, kNyquist), 0.0, 1e-9);

        Design hp(QVHelpers::kPresetHighPass1, f, 0.7, 1.0);
        EXPECT_NEAR(magnitude(hp.coef, 0.0), 0.0, 1e-12);
        EXPECT_NEAR(magnitude(hp.coef, f), kRootHalf, 1e-9) << f;
        EXPECT_NEAR(magnitude(hp.coef, kNyquist), 1.0, 1e-9);
    }
}

// Gain at Nyquist of the analog shelf (s + gain wa/A) / (s + wa/A), evaluated as a transfer function.
double analogShelfAtNyquist(double f, double gain)
{
    const double wa = 2.0 * kPi * f;
    const double A = std::sqrt(gain);
    const Complex s(0.0, kPi * kFs);
    return std::abs((s + gain * wa / A) / (s + wa / A));
}

TEST(Preset2Biquad, FirstOrderShelvesReachTheirGains)
{
    for (double gain : {4.0, 0.25, 1.5}) {
        const double f = 2000.0;
        const double atNyquist = analogShelfAtNyquist(f, gain);

        Design low(QVHelpers::kPresetLowShelf1, f, 0.7, gain);
        EXPECT_NEAR(magnitude(low.coef, 0.0), gain, 1e-9) << gain;
        EXPECT_NEAR(magnitude(low.coef, kNyquist), atNyquist, 1e-9) << gain;

        Design high(QVHelpers::kPresetHighShelf1, f, 0.7, gain);
        EXPECT_NEAR(magnitude(high.coef, 0.0), 1.0, 1e-9) << gain;
        EXPECT_NEAR(magnitude(high.coef, kNyquist), gain / atNyquist, 1e-9) << gain;
    }
}

TEST(Preset2Biquad, AllPassesKeepUnityGainAndTurnThePhaseAtTheirFrequency)
{
    for (double f : {300.0, 3000.0, 15000.0}) {
        Design ap1(QVHelpers::kPresetAllPass1, f, 0.7, 1.0);
        Design ap2(QVHelpers::kPresetAllPass2, f, 0.7, 1.0);
        for (double probe : {0.0, 50.0, f, 7000.0, kNyquist}) {
            EXPECT_NEAR(magnitude(ap1.coef, probe), 1.0, 1e-9) << f << " at " << probe;
            EXPECT_NEAR(magnitude(ap2.coef, probe), 1.0, 1e-9) << f << " at " << probe;
        }
        EXPECT_NEAR(std::abs(std::arg(response(ap1.coef, f))), kPi / 2.0, 1e-9) << f;
        EXPECT_NEAR(std::abs(std::arg(response(ap2.coef, f))), kPi, 1e-9) << f;
        EXPECT_NEAR(std::arg(response(ap2.coef, 0.0)), 0.0, 1e-12);
    }
}

TEST(Preset2Biquad, SecondOrderLowAndHighPassHaveGainQAtTheirFrequency)
{
    for (double q : {0.5, std::sqrt(0.5), 2.0}) {
        const double f = 1000.0;
        Design lp(QVHelpers::kPresetLowPass2, f, q, 1.0);
        EXPECT_NEAR(magnitude(lp.coef, 0.0), 1.0, 1e-12);
        EXPECT_NEAR(magnitude(lp.coef, f), q, 1e-9) << q; // 3 dB down for q = 1/sqrt(2)
        EXPECT_NEAR(magnitude(lp.coef, kNyquist), 0.0, 1e-9);

        Design hp(QVHelpers::kPresetHighPass2, f, q, 1.0);
        EXPECT_NEAR(magnitude(hp.coef, 0.0), 0.0, 1e-12);
        EXPECT_NEAR(magnitude(hp.coef, f), q, 1e-9) << q;
        EXPECT_NEAR(magnitude(hp.coef, kNyquist), 1.0, 1e-9);
    }
}

TEST(Preset2Biquad, SecondOrderShelvesReachTheirGainAndHalfTheDecibelsAtTheirFrequency)
{
    for (double gain : {4.0, 0.5}) {
        const double f = 1000.0;
        Design low(QVHelpers::kPresetLowShelf2, f, 0.7, gain);
        EXPECT_NEAR(magnitude(low.coef, 0.0), gain, 1e-9);
        EXPECT_NEAR(magnitude(low.coef, f), std::sqrt(gain), 1e-9);
        EXPECT_NEAR(magnitude(low.coef, kNyquist), 1.0, 1e-9);

        Design high(QVHelpers::kPresetHighShelf2, f, 0.7, gain);
        EXPECT_NEAR(magnitude(high.coef, 0.0), 1.0, 1e-9);
        EXPECT_NEAR(magnitude(high.coef, f), std::sqrt(gain), 1e-9);
        EXPECT_NEAR(magnitude(high.coef, kNyquist), gain, 1e-9);
    }
}

TEST(Preset2Biquad, PeakHasItsGainAtItsFrequencyAndUnityFarAway)
{
    for (double gain : {4.0, 0.25}) {
        Design peak(QVHelpers::kPresetPeak, 2000.0, 1.5, gain);
        EXPECT_NEAR(magnitude(peak.coef, 2000.0), gain, 1e-9);
        EXPECT_NEAR(magnitude(peak.coef, 0.0), 1.0, 1e-12);
        EXPECT_NEAR(magnitude(peak.coef, kNyquist), 1.0, 1e-12);
    }
}

TEST(Preset2Biquad, PeaksWithGainOneAreFlatWithEqualNumeratorAndDenominator)
{
    for (int32_t type : {QVHelpers::kPresetPeak, QVHelpers::kPresetPeakNyquist}) {
        Design plain(type, 3000.0, 0.8, 1.0);
        EXPECT_NEAR(plain.coef[QVHelpers::kCoefB0], 1.0, 1e-12);
        EXPECT_NEAR(plain.coef[QVHelpers::kCoefB1], plain.coef[QVHelpers::kCoefA1], 1e-12);
        EXPECT_NEAR(plain.coef[QVHelpers::kCoefB2], plain.coef[QVHelpers::kCoefA2], 1e-12);
        for (double probe : {0.0, 1000.0, 3000.0, 20000.0, kNyquist})
            EXPECT_NEAR(magnitude(plain.coef, probe), 1.0, 1e-12) << type;
        Design delta(type, 3000.0, 0.8, 1.0, true); // numerator minus denominator vanishes
        for (int32_t i : {QVHelpers::kCoefB0, QVHelpers::kCoefB1, QVHelpers::kCoefB2})
            EXPECT_NEAR(delta.coef[i], 0.0, 1e-12) << type;
    }
}

// The analog prototype of type 12: (s^2 + G beta s + w0^2) / (s^2 + beta s + w0^2), with the
// bandwidth dw of 2 asinh(1/(2q)) / ln 2 octaves around f measured at the gain sqrt(G).
double peakPrototypeAtNyquist(double f, double q, double G)
{
    const double octaves = 2.0 * std::asinh(1.0 / (2.0 * q)) / std::log(2.0);
    const double ratio = std::pow(2.0, octaves / 2.0);
    const double w0 = 2.0 * kPi * f / kFs;
    const double dw = 2.0 * kPi * (f * ratio - f / ratio) / kFs;
    const double GB2 = G; // bandwidth gain sqrt(G), squared
    const double beta = dw * std::sqrt((GB2 - 1.0) / (G * G - GB2));
    const Complex s(0.0, kPi);
    return std::abs((s * s + G * beta * s + w0 * w0) / (s * s + beta * s + w0 * w0));
}

TEST(Preset2Biquad, PeakNyquistMatchesItsAnalogPrototypeAtNyquist)
{
    for (double f : {1000.0, 8000.0, 15000.0}) {
        for (double q : {0.7, 2.0}) {
            const double gain = 4.0;
            Design boost(QVHelpers::kPresetPeakNyquist, f, q, gain);
            EXPECT_NEAR(magnitude(boost.coef, f), gain, 1e-6) << f << " q " << q;
            EXPECT_NEAR(magnitude(boost.coef, 0.0), 1.0, 1e-9) << f << " q " << q;
            EXPECT_NEAR(magnitude(boost.coef, kNyquist), peakPrototypeAtNyquist(f, q, gain), 1e-6)
                << f << " q " << q;
        }
    }
}

TEST(Preset2Biquad, PeakNyquistCutIsTheExactInverseOfTheBoost)
{
    Design boost(QVHelpers::kPresetPeakNyquist, 9000.0, 1.2, 3.0);
    Design cut(QVHelpers::kPresetPeakNyquist, 9000.0, 1.2, 1.0 / 3.0);
    EXPECT_NEAR(magnitude(cut.coef, 9000.0), 1.0 / 3.0, 1e-6);
    for (double probe : {0.0, 2000.0, 9000.0, 18000.0, kNyquist}) {
        const Complex product = response(boost.coef, probe) * response(cut.coef, probe);
        EXPECT_NEAR(product.real(), 1.0, 1e-9) << probe;
        EXPECT_NEAR(product.imag(), 0.0, 1e-9) << probe;
    }
}

TEST(Preset2Biquad, DeltaFormAddedToTheDrySignalEqualsThePlainFilter)
{
    for (int32_t type = 0; type <= QVHelpers::kPresetPeakNyquist; ++type) {
        for (double gain : {2.0, 0.3}) {
            Design plain(type, 2500.0, 0.9, gain);
            Design delta(type, 2500.0, 0.9, gain, true);
            for (double probe : {0.0, 400.0, 2500.0, 11000.0, kNyquist}) {
                const Complex a = response(plain.coef, probe);
                const Complex b = deltaResponse(delta.coef, probe);
                EXPECT_NEAR(std::abs(a - b), 0.0, 1e-9) << "type " << type << " gain " << gain << " at " << probe;
            }
        }
    }
}

TEST(Preset2Biquad, FrequenciesAbove0475FsAreTreatedAs0475Fs)
{
    for (int32_t type : {QVHelpers::kPresetLowPass2, QVHelpers::kPresetPeak, QVHelpers::kPresetHighShelf1}) {
        Design clamped(type, 0.475 * kFs, 0.7, 2.0);
        for (double f : {0.49 * kFs, 0.5 * kFs, 10.0 * kFs}) {
            Design above(type, f, 0.7, 2.0);
            for (int i = 0; i < 5; ++i)
                EXPECT_DOUBLE_EQ(above.coef[i], clamped.coef[i]) << "type " << type << " f " << f;
        }
    }
}

TEST(Preset2Biquad, NullCoefficientArrayIsIgnored)
{
    QVHelpers::preset2biquad(nullptr, kFs, QVHelpers::kPresetPeak, 1000.0, 1.0, 2.0, false);
    EXPECT_EQ(QVHelpers::analog2biquad(nullptr, kFs, 0, 0, 1, 0, 0, 1, false), nullptr);
}

// ---------------------------------------------------------------- analog2biquad

TEST(Analog2Biquad, UnityAnalogFilterGivesAnExactlyFlatBiquad)
{
    double coef[5];
    EXPECT_EQ(QVHelpers::analog2biquad(coef, kFs, 0, 0, 1, 0, 0, 1, false), coef);
    const double expected[5] = {1, 2, 2, 1, 1};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(coef[i], expected[i]) << i;
    for (double probe : {0.0, 1000.0, 20000.0})
        EXPECT_NEAR(magnitude(coef, probe), 1.0, 1e-12);
}

TEST(Analog2Biquad, MatchesTheAnalogResponseAtTheWarpedFrequency)
{
    // Second-order analog low-pass with a resonance: wc^2 / (s^2 + wc/Q s + wc^2).
    const double wc = 2.0 * kPi * 3000.0;
    const double Q = 2.0;
    double plain[5];
    double delta[5];
    QVHelpers::analog2biquad(plain, kFs, 0.0, 0.0, wc * wc, 1.0, wc / Q, wc * wc, false);
    QVHelpers::analog2biquad(delta, kFs, 0.0, 0.0, wc * wc, 1.0, wc / Q, wc * wc, true);
    for (double probe : {0.0, 500.0, 3000.0, 12000.0, 23000.0}) {
        const double warped = 2.0 * kFs * std::tan(kPi * probe / kFs); // bilinear, no prewarping
        const Complex s(0.0, warped);
        const Complex analog = wc * wc / (s * s + wc / Q * s + wc * wc);
        EXPECT_NEAR(std::abs(response(plain, probe) - analog), 0.0, 1e-9) << probe;
        EXPECT_NEAR(std::abs(deltaResponse(delta, probe) - analog), 0.0, 1e-9) << probe;
    }
}

} // namespace
