#pragma once
// Fixed-width types of the host interfaces. The host's `long` is 32 bits; on this platform
// `long` is 64, so every host word is spelled with an explicit width to keep values and
// record layouts as the host defines them.

#include <cstdint>

using SInt8 = int8_t;
using UInt8 = uint8_t;
using SInt16 = int16_t;
using UInt16 = uint16_t;
using SInt32 = int32_t;
using UInt32 = uint32_t;
using SInt64 = int64_t;
using UInt64 = uint64_t;

using Byte = UInt8;
using Boolean = UInt8;
using OSType = UInt32;          // four-character code, first character in the most significant byte
using OSErr = SInt16;
using ComponentResult = SInt32; // host error code: 0 success, negative failure

// Builds a four-character code from its text, e.g. FourCC("qvck").
constexpr OSType FourCC(const char (&code)[5])
{
    return (OSType(UInt8(code[0])) << 24) | (OSType(UInt8(code[1])) << 16) |
           (OSType(UInt8(code[2])) << 8) | OSType(UInt8(code[3]));
}

struct Rect
{
    SInt16 top;
    SInt16 left;
    SInt16 bottom;
    SInt16 right;
};

struct Point
{
    SInt16 v;
    SInt16 h;
};
