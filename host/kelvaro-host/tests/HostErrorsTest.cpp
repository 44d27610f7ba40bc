// What the host program says, and with which exit status, when it cannot do what it is asked.
#include <gtest/gtest.h>

#include <fstream>

#include "HostProgram.h"

namespace
{
struct SErrorCase
{
    const char* fName;
    std::vector<std::string> fArguments;
    int fExitStatus;
    const char* fMessage;
};

// A bundle holding the given file as its library.
std::string BundleWith(const CScratchFolder& folder, const std::string& name, const std::string& library)
{
    const std::filesystem::path contents = folder / (name + ".bundle/Contents/Linux");
    std::filesystem::create_directories(contents);
    std::filesystem::copy_file(library, contents / (name + ".so"));
    return folder / (name + ".bundle");
}
} // namespace

TEST(HostErrors, LoadFailuresNameTheHostErrorCodeAndItsMeaning)
{
    const CScratchFolder folder;
    std::ofstream(folder / "text.so") << "not a library\n";
    const std::vector<SErrorCase> cases = {
        {"missing", {"info", folder / "Missing.bundle"}, 1, "host error -43 (no plug-in bundle at that path)"},
        {"a folder without a library", {"info", folder / ""}, 1, "host error -7010 (not a plug-in module)"},
        {"a text file as the library", {"info", BundleWith(folder, "Text", folder / "text.so")}, 1,
         "host error -7010 (not a plug-in module)"},
        {"a library without the entry", {"info", BundleWith(folder, "Engine", KELVARO_ENGINE_LIBRARY)}, 1,
         "(no NewMachOPlugIn): host error -7010"},
        {"an entry that fails", {"run", KELVARO_FAILING_BUNDLE}, 1,
         "host error -7003 (the plug-in could not make its process group)"},
        {"a validation of a failing entry", {"validate", KELVARO_FAILING_BUNDLE}, 1, "host error -7003"},
    };
    for (const SErrorCase& errorCase : cases)
    {
        const SHostOutcome outcome = RunHost(errorCase.fArguments);
        EXPECT_EQ(outcome.fExitStatus, errorCase.fExitStatus) << errorCase.fName;
        EXPECT_NE(outcome.fError.find(errorCase.fMessage), std::string::npos) << errorCase.fName << ": " << outcome.fError;
    }
}

TEST(HostErrors, UsageErrorsExitWithStatusTwoAndShowTheUsage)
{
    const std::string bundle = KELVARO_PASSTHROUGH_BUNDLE;
    const std::vector<std::vector<std::string>> usages = {
        {},
        {"info"},
        {"play", bundle},
        {"info", bundle, "extra"},
        {"run", bundle, "--block", "0"},
        {"run", bundle, "--block"},
        {"run", bundle, "--set", "Gain"},
        {"run", bundle, "--colour", "red"},
        {"run", bundle, "one.wav", "two.wav"},
    };
    for (const auto& arguments : usages)
    {
        const SHostOutcome outcome = RunHost(arguments);
        EXPECT_EQ(outcome.fExitStatus, 2) << testing::PrintToString(arguments);
        EXPECT_NE(outcome.fError.find("usage: kelvaro-host"), std::string::npos);
    }
}

TEST(HostErrors, RunRefusesWhatThePlugInOrTheFilesCannotGive)
{
    const CScratchFolder folder;
    std::ofstream(folder / "damaged.settings") << "KvSettn1 short";
    const std::string bundle = KELVARO_PASSTHROUGH_BUNDLE;
    const std::vector<SErrorCase> cases = {
        {"unknown control", {"run", bundle, "--set", "Volume=1"}, 1, "no such control"},
        {"value out of range", {"run", bundle, "--set", "Gain=2"}, 1, "no value 2"},
        {"block above the engine's", {"run", bundle, "--block", "100000"}, 1, "at most"},
        {"missing audio file", {"run", bundle, folder / "none.wav"}, 1, "none.wav"},
        {"damaged settings", {"run", bundle, "--settings", folder / "damaged.settings"}, 1, "damaged chunk"},
        {"snapshot into a missing folder", {"run", bundle, "--snapshot", folder / "none/x.png"}, 1, "could not be written"},
    };
    for (const SErrorCase& errorCase : cases)
    {
        const SHostOutcome outcome = RunHost(errorCase.fArguments);
        EXPECT_EQ(outcome.fExitStatus, errorCase.fExitStatus) << errorCase.fName;
        EXPECT_NE(outcome.fError.find(errorCase.fMessage), std::string::npos) << errorCase.fName << ": " << outcome.fError;
    }
}
