#pragma once
// Stored data is most significant byte first on every platform.

#include "HostTypes.h"

inline void WriteBigEndian16(Byte* out, UInt16 value)
{
    out[0] = Byte(value >> 8);
    out[1] = Byte(value);
}

inline void WriteBigEndian32(Byte* out, UInt32 value)
{
    WriteBigEndian16(out, UInt16(value >> 16));
    WriteBigEndian16(out + 2, UInt16(value));
}

inline void WriteBigEndian64(Byte* out, UInt64 value)
{
    WriteBigEndian32(out, UInt32(value >> 32));
    WriteBigEndian32(out + 4, UInt32(value));
}

inline UInt16 ReadBigEndian16(const Byte* in)
{
    return UInt16((UInt16(in[0]) << 8) | in[1]);
}

inline UInt32 ReadBigEndian32(const Byte* in)
{
    return (UInt32(ReadBigEndian16(in)) << 16) | ReadBigEndian16(in + 2);
}

inline UInt64 ReadBigEndian64(const Byte* in)
{
    return (UInt64(ReadBigEndian32(in)) << 32) | ReadBigEndian32(in + 4);
}
