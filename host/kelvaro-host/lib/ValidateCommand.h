#pragma once
// `kelvaro-host validate`: every check on one line, then "N passed, M failed".

#include <ostream>
#include <string>

// True when every check passed. Throws CHostError when the bundle cannot be loaded at all.
bool ValidatePlugIn(const std::string& bundle, std::ostream& out);
