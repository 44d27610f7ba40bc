#pragma once
// Length-prefixed texts: one length byte, at most 255 characters.

#include "HostTypes.h"

// Appends the number in decimal, as far as it fits.
void AppendDecimal(SInt32 number, unsigned char* text);
