// Validation passes a sound plug-in and names the faults of a careless one.
#include <gtest/gtest.h>

#include <sstream>

#include "HostProgram.h"

namespace
{
std::vector<std::string> LinesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}
} // namespace

class SoundPlugIn : public testing::TestWithParam<const char*>
{
};

TEST_P(SoundPlugIn, PassesEveryCheck)
{
    const SHostOutcome outcome = RunHost({"validate", GetParam()});
    EXPECT_EQ(outcome.fExitStatus, 0) << outcome.fOut;
    const std::vector<std::string> lines = LinesOf(outcome.fOut);
    ASSERT_GT(lines.size(), 10u);
    for (size_t index = 0; index + 1 < lines.size(); ++index)
        EXPECT_EQ(lines[index].rfind("PASS ", 0), 0u) << lines[index];
    EXPECT_EQ(lines.back(), std::to_string(lines.size() - 1) + " passed, 0 failed");
}

INSTANTIATE_TEST_SUITE_P(HostValidate, SoundPlugIn, testing::Values(KELVARO_PASSTHROUGH_BUNDLE, KELVARO_METER_BUNDLE),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(info.index == 0 ? "PassthroughFixture" : "Kelvaro");
                         });

TEST(HostValidate, AllocationOnTheRealTimeThreadAndOverlongBlocksFail)
{
    const SHostOutcome outcome = RunHost({"validate", KELVARO_CARELESS_BUNDLE});
    EXPECT_EQ(outcome.fExitStatus, 1);
    EXPECT_NE(outcome.fOut.find("FAIL blocks of 0 samples and longer than the maximum are refused"), std::string::npos)
        << outcome.fOut;
#ifndef KELVARO_SANITIZED
    EXPECT_NE(outcome.fOut.find("FAIL zero allocations on the real-time thread"), std::string::npos) << outcome.fOut;
#endif
    EXPECT_NE(outcome.fOut.find(" failed\n"), std::string::npos);
    EXPECT_EQ(outcome.fOut.find(", 0 failed"), std::string::npos);
}
