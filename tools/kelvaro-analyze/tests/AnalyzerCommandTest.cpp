// The analyzer as a user runs it: exit status, what goes to stdout and to stderr.
#include "JsonFields.h"
#include "ToolRunner.h"

class AnalyzerCommand : public ToolFixture
{
protected:
    std::string sineFile(const std::string& name, const std::string& format = "-r 44100 -c 2 -b 16")
    {
        return synth(name, format, "3 sine 440 vol 0.5"); // long enough for the correlation to settle
    }
};

TEST_F(AnalyzerCommand, WithoutFilesItShowsTheDemonstrationProgramme)
{
    const ToolOutput output = analyze("");
    EXPECT_EQ(output.status, 0) << output.err;
    EXPECT_NE(output.out.find("demonstration programme"), std::string::npos);
    EXPECT_NE(output.out.find("all-time peak"), std::string::npos);
    EXPECT_NE(output.out.find("summary"), std::string::npos);
}

TEST_F(AnalyzerCommand, BadInputsAreNamedOnStderrWhileTheOthersAreStillAnalysed)
{
    const std::string good = sineFile("good.wav");
    std::ofstream(path("notes.txt")) << "not audio at all\n";
    const ToolOutput output = analyze("--json " + quote(path("missing.wav")) + " " + quote(path("notes.txt")) + " " +
                                      quote(good));
    EXPECT_EQ(output.status, 1);
    const std::vector<std::string> errors = lines(output.err);
    ASSERT_EQ(errors.size(), 2u) << output.err;
    EXPECT_EQ(errors[0].find("kelvaro-analyze: " + path("missing.wav") + ": "), 0u) << errors[0];
    EXPECT_EQ(errors[1].find("kelvaro-analyze: " + path("notes.txt") + ": "), 0u) << errors[1];
    const std::vector<std::string> objects = lines(output.out);
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_EQ(jsonString(objects[0], "file"), good);
}

TEST_F(AnalyzerCommand, UsageErrorsExitWithStatusTwoAndShowTheUsage)
{
    for (const char* arguments : {"--block 0", "--no-such-option", "--trace"})
    {
        const ToolOutput output = analyze(arguments);
        EXPECT_EQ(output.status, 2) << arguments;
        EXPECT_NE(output.err.find("usage: kelvaro-analyze"), std::string::npos) << arguments;
        EXPECT_EQ(output.out, "");
    }
    const ToolOutput help = analyze("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.find("usage: kelvaro-analyze"), 0u);
}

TEST_F(AnalyzerCommand, SeveralFilesComeBackOneLineEachInTheOrderGiven)
{
    const std::vector<std::string> files = {sineFile("c.wav"), sineFile("a.wav"), sineFile("b.wav")};
    const ToolOutput output = analyze("--json --jobs 2 " + quote(files[0]) + " " + quote(files[1]) + " " +
                                      quote(files[2]));
    EXPECT_EQ(output.status, 0) << output.err;
    const std::vector<std::string> objects = lines(output.out);
    ASSERT_EQ(objects.size(), 3u);
    for (size_t i = 0; i < files.size(); ++i)
        EXPECT_EQ(jsonString(objects[i], "file"), files[i]);
}

TEST_F(AnalyzerCommand, MonoFeedsBothChannelsAndExtraChannelsAreLeftOutWithAWarning)
{
    const ToolOutput mono = analyze("--json " + quote(sineFile("mono.wav", "-r 44100 -c 1 -b 16")));
    EXPECT_EQ(jsonString(mono.out, "peak_left"), "-6.0");
    EXPECT_EQ(jsonString(mono.out, "peak_right"), "-6.0");
    EXPECT_EQ(jsonString(mono.out, "correlation"), "1.0");
    EXPECT_EQ(mono.err, "");

    const std::string wide = synth("three.wav", "-r 44100 -c 3 -b 16", "1 sine 440 sine 440 sine 440 remix 1v0.5 2v0.25 3");
    const ToolOutput three = analyze("--json " + quote(wide));
    EXPECT_EQ(three.status, 0);
    EXPECT_NE(three.out.find("\"channels\":3"), std::string::npos);
    EXPECT_EQ(jsonString(three.out, "peak_right"), "-12.0");
    EXPECT_NE(three.err.find("only the first two are measured"), std::string::npos) << three.err;
}

TEST_F(AnalyzerCommand, MonoSwitchDoesNotChangeWhatIsMeasured)
{
    const std::string file = synth("wide.wav", "-r 44100 -c 2 -b 16", "1 sine 440 sine 660 remix 1v0.5 2v0.1");
    const ToolOutput plain = analyze("--json " + quote(file)), mono = analyze("--json --mono " + quote(file));
    EXPECT_EQ(plain.out, mono.out) << "the meter measures the input before the mono sum";
}
