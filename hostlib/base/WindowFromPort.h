#pragma once
// The window that owns a host graphics port.

#include "HostRecords.h"

// Null for a null port.
void* GetWindowFromPort(GrafPtr port);
