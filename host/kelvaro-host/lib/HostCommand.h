#pragma once
// The host program's command line: which command, on which bundle, with which options.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "HostTypes.h"

struct SHostCommand
{
    enum class EKind
    {
        eInfo,
        eRun,
        eValidate
    };

    EKind fKind = EKind::eInfo;
    std::string fBundle;
    std::optional<std::string> fInput;  // none: the demonstration programme
    std::optional<std::string> fOutput;
    SInt32 fBlock = 512;
    std::vector<std::pair<std::string, std::string>> fSettings;  // --set Name=value, in order
    std::optional<std::string> fSettingsFile;
    std::optional<std::string> fSaveSettingsFile;
    std::optional<std::string> fSnapshot;
    bool fWindow = false;
    bool fRealTime = false;
};

// nullopt with the reason in error for a command line that does not follow the usage.
std::optional<SHostCommand> ParseHostCommand(const std::vector<std::string>& arguments, std::string& error);
extern const char* const kHostUsage;
