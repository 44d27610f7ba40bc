#pragma once
// The Windows module's exports: NewPlugIn (ordinal 1), WinPlugInClose (3), WinPlugInOpen (4);
// the routine table (2) is the library's.

#include "HostTypes.h"

// Creates and initialises the group, answering as NewMachOPlugIn does; the argument is unused.
extern "C" SInt16 NewPlugIn(SInt32 unused);
// Opens for interface version 73 only (-1 for any other, nothing opened): the open procedure's
// answer, sign-extended.
extern "C" SInt32 WinPlugInOpen(SInt32 interfaceVersion);
// The close procedure's answer (0).
extern "C" SInt32 WinPlugInClose();

// Whether the host opened the module through WinPlugInOpen with the version it speaks.
extern bool gPTAdapterWinOpenedByHost;
