#pragma once
// Result codes of the engine stand-in's calls.

#include "HostTypes.h"

constexpr SInt16 kFicNoError = 0;
constexpr SInt16 kFicBadArgument = -50;
constexpr SInt16 kFicNameNotFound = -43;
constexpr SInt16 kFicUnknownSelector = -5551;
