#include "HostCommand.h"

#include <cstdlib>

const char* const kHostUsage =
    "usage: kelvaro-host info BUNDLE\n"
    "       kelvaro-host run BUNDLE [FILE] [--output OUT] [--block N] [--set Name=value]...\n"
    "                    [--settings FILE] [--save-settings FILE] [--snapshot PNG] [--window] [--realtime]\n"
    "       kelvaro-host validate BUNDLE\n";

namespace
{
bool ParseBlock(const std::string& text, SInt32& block)
{
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < 1 || value > 1 << 20)
        return false;
    block = SInt32(value);
    return true;
}

// One run option, with its value taken from the next argument where it has one.
bool ParseRunOption(const std::vector<std::string>& arguments, size_t& index, SHostCommand& command,
                    std::string& error)
{
    const std::string& option = arguments[index];
    if (option == "--window" || option == "--realtime")
    {
        (option == "--window" ? command.fWindow : command.fRealTime) = true;
        return true;
    }
    if (index + 1 >= arguments.size())
    {
        error = option + " needs a value";
        return false;
    }
    const std::string& value = arguments[++index];
    if (option == "--output")
        command.fOutput = value;
    else if (option == "--settings")
        command.fSettingsFile = value;
    else if (option == "--save-settings")
        command.fSaveSettingsFile = value;
    else if (option == "--snapshot")
        command.fSnapshot = value;
    else if (option == "--block")
    {
        if (!ParseBlock(value, command.fBlock))
            error = "--block needs a positive number of samples";
    }
    else if (option == "--set")
    {
        const size_t equals = value.find('=');
        if (equals == std::string::npos || equals == 0)
            error = "--set needs Name=value";
        else
            command.fSettings.emplace_back(value.substr(0, equals), value.substr(equals + 1));
    }
    else
        error = "unknown option " + option;
    return error.empty();
}
} // namespace

std::optional<SHostCommand> ParseHostCommand(const std::vector<std::string>& arguments, std::string& error)
{
    if (arguments.size() < 2)
    {
        error = "a command and a bundle are needed";
        return std::nullopt;
    }
    SHostCommand command;
    command.fBundle = arguments[1];
    const std::string& kind = arguments[0];
    if (kind == "info" || kind == "validate")
    {
        command.fKind = kind == "info" ? SHostCommand::EKind::eInfo : SHostCommand::EKind::eValidate;
        if (arguments.size() == 2)
            return command;
        error = kind + " takes only a bundle";
        return std::nullopt;
    }
    if (kind != "run")
    {
        error = "unknown command " + kind;
        return std::nullopt;
    }
    command.fKind = SHostCommand::EKind::eRun;
    for (size_t index = 2; index < arguments.size(); ++index)
    {
        if (arguments[index].starts_with("--"))
        {
            if (!ParseRunOption(arguments, index, command, error))
                return std::nullopt;
        }
        else if (!command.fInput)
            command.fInput = arguments[index];
        else
        {
            error = "only one input file";
            return std::nullopt;
        }
    }
    return command;
}
