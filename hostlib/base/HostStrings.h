#pragma once
// Texts for the host: multi-length names and length-prefixed strings.

#include "HostTypes.h"

// Picks from names (alternatives separated by line feeds, longest first) the first that fits
// in maxLen characters, else the last, and copies at most maxLen characters of it into out,
// which holds maxLen + 1 bytes.
void GetStringOfLength(char* out, const char* names, SInt32 maxLen);

// Turns a C string into a length-prefixed one in the same buffer (at most 255 characters).
void CToPascalInPlace(unsigned char* text);
