#pragma once
// Texts the plug-in gives the host with a length byte in front instead of a terminating zero.

#include <string>

inline std::string FromLengthPrefixed(const char* text)
{
    return {text + 1, size_t(static_cast<unsigned char>(text[0]))};
}
