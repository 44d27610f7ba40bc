#pragma once
// A four-character code as its four characters, first character from the most significant byte.

#include <string>

#include "HostTypes.h"

inline std::string FourCCText(OSType code)
{
    return {char(code >> 24), char(code >> 16), char(code >> 8), char(code)};
}
