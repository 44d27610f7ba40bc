// kelvaro-host: exit status 0 on success, 1 when the plug-in or a file fails, 2 for a usage error.
#include <iostream>

#include "HostCommand.h"
#include "InfoReport.h"
#include "RunCommand.h"
#include "ValidateCommand.h"

namespace
{
int Execute(const SHostCommand& command)
{
    switch (command.fKind)
    {
    case SHostCommand::EKind::eInfo:
    {
        CPlugInModule module(command.fBundle);
        WriteInfoReport(module, std::cout);
        return 0;
    }
    case SHostCommand::EKind::eRun:
        RunPlugIn(command, std::cout);
        return 0;
    case SHostCommand::EKind::eValidate:
        return ValidatePlugIn(command.fBundle, std::cout) ? 0 : 1;
    }
    return 2;
}
} // namespace

int main(int argc, char** argv)
{
    std::string error;
    const std::optional<SHostCommand> command = ParseHostCommand({argv + 1, argv + argc}, error);
    if (!command)
    {
        std::cerr << "kelvaro-host: " << error << '\n' << kHostUsage;
        return 2;
    }
    try
    {
        return Execute(*command);
    }
    catch (const std::exception& failure)
    {
        std::cerr << "kelvaro-host: " << failure.what() << '\n';
        return 1;
    }
}
