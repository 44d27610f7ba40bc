// Runs command-line programs for the analyzer's tests: sox to make and measure signals, the
// analyzer itself as a user would. Files live in a fresh temporary folder per fixture.
#pragma once

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

struct ToolOutput
{
    int status = -1;
    std::string out, err;
};

class ToolFixture : public ::testing::Test
{
protected:
    ToolFixture()
    {
        char pattern[] = "/tmp/kelvaro-analyze-test-XXXXXX";
        folder = mkdtemp(pattern);
    }
    ~ToolFixture() override { std::filesystem::remove_all(folder); }

    std::string path(const std::string& name) const { return (folder / name).string(); }

    // Runs a shell command line; stdout and stderr are captured separately.
    ToolOutput run(const std::string& commandLine) const
    {
        const std::string errPath = path("stderr.txt");
        ToolOutput output;
        FILE* pipe = popen((commandLine + " 2>" + quote(errPath)).c_str(), "r");
        std::array<char, 4096> buffer;
        for (size_t got; (got = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
            output.out.append(buffer.data(), got);
        const int raw = pclose(pipe);
        output.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        output.err = readFile(errPath);
        return output;
    }

    ToolOutput analyze(const std::string& arguments) const
    {
        return run(std::string(KELVARO_ANALYZE_PROGRAM) + " " + arguments);
    }

    // Makes a file with sox: `sox -n <format> file synth <synthArguments>`.
    std::string synth(const std::string& name, const std::string& format, const std::string& synthArguments) const
    {
        const std::string file = path(name);
        const ToolOutput made = run(std::string(SOX_PROGRAM) + " -n " + format + " " + quote(file) + " synth " +
                                    synthArguments);
        EXPECT_EQ(made.status, 0) << made.err;
        return file;
    }

    static std::string quote(const std::string& text) { return "'" + text + "'"; }

    static std::string readFile(const std::string& file)
    {
        std::ifstream in(file, std::ios::binary);
        std::stringstream content;
        content << in.rdbuf();
        return content.str();
    }

    std::filesystem::path folder;
};
