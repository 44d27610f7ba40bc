#pragma once
// The system tick counter: sixtieths of a second since an arbitrary start.

#include "HostTypes.h"

UInt32 TickCount();
