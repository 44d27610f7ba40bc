#include "CHostError.h"

#include <array>
#include <utility>

namespace
{
constexpr std::array<std::pair<ComponentResult, const char*>, 20> kMeanings{{
    {kHostBundleMissing, "no plug-in bundle at that path"},
    {kHostNotAPlugIn, "not a plug-in module"},
    {-7000, "not provided by the plug-in"},
    {-7003, "the plug-in could not make its process group"},
    {-7053, "a required object could not be made"},
    {-7060, "the host's plug-in services are too old"},
    {-7075, "the host made no critical section"},
    {-7083, "the settings chunk holds no data"},
    {-7100, "input port already connected"},
    {-7101, "output port already connected"},
    {-7104, "connection format not accepted"},
    {-7106, "port number out of range"},
    {-7107, "port not connected"},
    {-7125, "unknown process type"},
    {-7126, "no process with that index"},
    {-7157, "no such settings chunk"},
    {-7300, "no control with that index"},
    {-7401, "the plug-in failed unexpectedly"},
    {-9006, "the plug-in ran out of memory"},
    {-9007, "selector not in the routine table"},
}};
} // namespace

const char* HostErrorMeaning(ComponentResult code)
{
    for (const auto& [known, meaning] : kMeanings)
        if (known == code)
            return meaning;
    return "unknown host error";
}

CHostError::CHostError(ComponentResult code, const std::string& subject)
    : std::runtime_error(subject + ": host error " + std::to_string(code) + " (" + HostErrorMeaning(code) + ")"),
      fCode(code)
{
}

void ThrowOnHostError(ComponentResult code, const std::string& subject)
{
    if (code != 0)
        throw CHostError(code, subject);
}
