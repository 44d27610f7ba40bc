#pragma once
// How the host's words and the effect's values map onto each other: control values, the master
// bypass word, meter values and types, highlight codes and the keys a typed value may hold.

#include <optional>

#include "HostTypes.h"

constexpr SInt32 kBypassOnValue = SInt32(0x7FFFFFFF);
constexpr SInt32 kBypassOffValue = SInt32(0x80000000);

// A normalised value 0..1 as a host control value over the full 32-bit range.
SInt32 ToHostControlValue(float normalised);
// A host control value as a normalised value 0..1.
float ToEffectValue(SInt32 hostValue);
// Any value at or above 0 counts as bypassed.
inline bool IsBypassOnValue(SInt32 hostValue)
{
    return hostValue >= 0;
}

// A linear meter value as the host's 32-bit meter word: 0x80000000 for full scale.
UInt32 ToHostMeterValue(float linear);
// The effect's meter type for a host meter type; none for a type the effect does not serve.
std::optional<SInt32> EffectMeterTypeOf(SInt32 hostMeterType);

// The editor's highlight code for the host's highlight request; 0 means none.
SInt32 HighlightCodeOf(SInt16 highlighted, SInt16 colour);

// Digits, letters and "+,-." may be typed into a value.
bool IsValueKey(SInt16 key);
