// Bounded string copy. Every text of the framework passes through qv_strncpy.
#pragma once

#include <cstdint>

// Copies into dest[offset...] the longest newline-separated alternative of src that fits
// room = maxLen - offset (the last alternative cut to room), then zero-fills up to and
// including dest[maxLen]. dest holds maxLen + 1 bytes. Returns dest.
// Room <= 0 (also a negative offset) writes only dest[maxLen] = 0; a null src counts as "";
// a null dest or a negative maxLen writes nothing.
char* qv_strncpy(char* dest, const char* src, int32_t maxLen, int32_t offset);

// Turns the C string in text into a length-prefixed string in place (length byte at most 255,
// no terminator after the characters). Returns the length byte; 0 for a null text.
int32_t my_c2pstr(char* text);
