#pragma once
// Constants of the named-value chunk data format.

#include "HostTypes.h"

namespace ChunkDataParserDefs
{
constexpr UInt32 VERSION_ID_1 = 0x01010101;

constexpr SInt32 FLOAT_TYPE = 1;
constexpr SInt32 LONG_TYPE = 2;
constexpr SInt32 DOUBLE_TYPE = 3;
constexpr SInt32 SHORT_TYPE = 4;

constexpr const char* FLOAT_STRING_IDENTIFIER = "f_";
constexpr const char* LONG_STRING_IDENTIFIER = "l_";
constexpr const char* DOUBLE_STRING_IDENTIFIER = "d_";
constexpr const char* SHORT_STRING_IDENTIFIER = "s_";
} // namespace ChunkDataParserDefs
