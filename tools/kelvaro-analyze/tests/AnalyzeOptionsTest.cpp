// The analyzer's command line.
#include "AnalyzeOptions.h"

#include <gtest/gtest.h>

TEST(AnalyzeOptions, DefaultsAnalyseTheDemonstrationInBlocksOf512)
{
    std::string error;
    const auto options = parseAnalyzeOptions({}, error);
    ASSERT_TRUE(options);
    EXPECT_TRUE(options->files.empty());
    EXPECT_EQ(options->block, 512);
    EXPECT_FALSE(options->json || options->mono || options->help);
    EXPECT_EQ(options->jobs, 0);
}

TEST(AnalyzeOptions, ReadsEveryOptionAndKeepsTheFileOrder)
{
    std::string error;
    const auto options = parseAnalyzeOptions(
        {"b.wav", "--block", "64", "--mono", "--json", "--jobs", "3", "a.flac", "--", "--odd-name.wav"}, error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->files, (std::vector<std::string>{"b.wav", "a.flac", "--odd-name.wav"}));
    EXPECT_EQ(options->block, 64);
    EXPECT_EQ(options->jobs, 3);
    EXPECT_TRUE(options->mono && options->json);
}

TEST(AnalyzeOptions, RefusesWhatItCannotHonour)
{
    const std::vector<std::vector<std::string>> refused = {
        {"--block", "0"},         {"--block", "65537"},   {"--block", "12x"}, {"--block"},
        {"--jobs", "-1"},         {"--frobnicate"},       {"--trace"},
        {"--trace", "t.csv", "a.wav", "b.wav"}, {"--plot", "p.png", "a.wav", "b.wav"},
    };
    for (const auto& args : refused)
    {
        std::string error;
        EXPECT_FALSE(parseAnalyzeOptions(args, error)) << args[0];
        EXPECT_FALSE(error.empty());
    }
}
