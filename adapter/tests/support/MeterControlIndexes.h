#pragma once
// The meter's two controls as the host numbers them, and the switch positions as host values.

#include "AdapterHostFixture.h"

constexpr SInt32 kMono = 1;
constexpr SInt32 kLink = 2;
constexpr SInt32 kOn = kHostHighest;
constexpr SInt32 kOff = kHostLowest;
