// Byte order of stored data: the state blob is big-endian on every platform.
#pragma once

#include <cstdint>

// Converts count elements of size bytes each, in place, between the machine's byte order and
// big-endian: nothing on a big-endian machine, each element's bytes reversed on a little-endian
// one. A null data, count <= 0 or size <= 1 does nothing.
void qv_endian(void* data, int32_t count, int32_t size);

// True when the machine stores the integer 1 with its low byte first.
bool qv_isLittleEndian();
