#pragma once
// The one sample format effect processes offer and accept on their connections, and the
// region-name question both kinds of process answer in place.

#include <cstring>

#include "HostRecords.h"

constexpr SConnectionFormat kOfferedConnectionFormat = {0, 1, 2, 1, 44100.0f};

constexpr bool IsAcceptedConnectionFormat(const SConnectionFormat& format)
{
    return format.fFormat == 1 && format.fWordSize == 2 && format.fInterleave == 1 && format.fSampleRate != 0.0f;
}

// Hands a length-prefixed text to modify as a C string and takes back what it made of it.
template <typename Modify>
auto ModifyPascalText(unsigned char* text, Modify modify)
{
    char name[256] = {};
    std::memcpy(name, text + 1, text[0]);
    const auto result = modify(name);
    text[0] = UInt8(strnlen(name, 255));
    std::memcpy(text + 1, name, text[0]);
    return result;
}
