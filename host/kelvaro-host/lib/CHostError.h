#pragma once
// A failure the host reports to its user: a host error code, what it means and what it concerns.

#include <stdexcept>
#include <string>

#include "HostTypes.h"

// Codes of the host's own loader; the plug-in's codes pass through unchanged.
constexpr ComponentResult kHostBundleMissing = -43;
constexpr ComponentResult kHostNotAPlugIn = -7010;

// What a host error code means, for the codes a host meets when loading and driving a plug-in.
const char* HostErrorMeaning(ComponentResult code);

class CHostError : public std::runtime_error
{
public:
    CHostError(ComponentResult code, const std::string& subject);
    ComponentResult Code() const { return fCode; }

private:
    ComponentResult fCode;
};

// Throws a CHostError naming what failed unless code is 0.
void ThrowOnHostError(ComponentResult code, const std::string& subject);
