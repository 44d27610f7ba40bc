// Peaks and RMS levels read by the analyzer against sox's own measurements of the same files.
#include "JsonFields.h"
#include "ToolRunner.h"

#include <cmath>

namespace
{
struct PeerSignal
{
    const char* name;
    const char* format;
    const char* synth;
    bool steadySine; // the RMS read-out is compared only for steady sines
};

const PeerSignal kSignals[] = {
    {"float-stereo.wav", "-r 44100 -c 2 -b 32 -e floating-point", "5 sine 997 vol 0.5", true},
    {"pcm16-48k.wav", "-r 48000 -c 2 -b 16", "5 sine 440 vol -20dB", true},
    {"mono-96k.flac", "-r 96000 -c 1 -b 24", "5 sine 1000 vol -3dB", true},
    {"unequal.aiff", "-r 44100 -c 2 -b 16", "5 sine 300 sine 500 remix 1v0.7 2v0.2", true},
    {"pink.wav", "-r 44100 -c 2 -b 32 -e floating-point", "5 pinknoise vol 0.3", false},
};

// One row of `sox FILE -n stats` per channel; a mono file has only the overall column.
std::vector<double> statsRow(const std::string& stats, const std::string& label)
{
    std::vector<double> values;
    std::istringstream in(stats.substr(stats.find(label) + label.size()));
    std::string line;
    std::getline(in, line);
    std::istringstream row(line);
    for (double v; row >> v;)
        values.push_back(v);
    if (values.size() == 3)
        values.erase(values.begin()); // overall; keep left and right
    else
        values.push_back(values.front());
    return values;
}

double decibels(const std::string& readout)
{
    return std::stod(readout);
}
} // namespace

class SoxPeer : public ToolFixture
{
};

TEST_F(SoxPeer, AllTimePeakMatchesSoxPeakLevel)
{
    for (const PeerSignal& signal : kSignals)
    {
        SCOPED_TRACE(signal.name);
        const std::string file = synth(signal.name, signal.format, signal.synth);
        const ToolOutput stats = run(std::string(SOX_PROGRAM) + " " + quote(file) + " -n stats");
        const std::vector<double> peak = statsRow(stats.err, "Pk lev dB");
        const ToolOutput analysed = analyze("--json " + quote(file));
        ASSERT_EQ(analysed.status, 0) << analysed.err;
        EXPECT_NEAR(decibels(jsonString(analysed.out, "peak_left")), peak[0], 0.06);
        EXPECT_NEAR(decibels(jsonString(analysed.out, "peak_right")), peak[1], 0.06);
    }
}

TEST_F(SoxPeer, RmsOfASteadySineReadsSoxRmsLevelPlusThreeDecibels)
{
    for (const PeerSignal& signal : kSignals)
    {
        if (!signal.steadySine)
            continue;
        SCOPED_TRACE(signal.name);
        const std::string file = synth(signal.name, signal.format, signal.synth);
        const ToolOutput stats = run(std::string(SOX_PROGRAM) + " " + quote(file) + " -n stats");
        const std::vector<double> rms = statsRow(stats.err, "RMS lev dB");
        const ToolOutput analysed = analyze("--json " + quote(file));
        EXPECT_NEAR(decibels(jsonString(analysed.out, "rms_left")), rms[0] + 3.01, 0.1);
        EXPECT_NEAR(decibels(jsonString(analysed.out, "rms_right")), rms[1] + 3.01, 0.1);
    }
}
