#pragma once
// The Windows module's life: attach and detach as the system loads and unloads the module (its
// DLL entry calls these), and the counted open and close procedures that the host engine runs,
// or the attach and detach themselves when the engine cannot be asked to.

#include "HostTypes.h"

using PTAdapterWinOpenCloseProc = SInt16 (*)();
// The engine's "SetPlugInOpenAndCloseProcs".
using PTAdapterWinSetOpenAndCloseProcs = void (*)(PTAdapterWinOpenCloseProc open, PTAdapterWinOpenCloseProc close);

// Keeps the module's instance handle, then hands the open and close procedures to the engine;
// without the engine's "SetPlugInOpenAndCloseProcs" it opens at once and fails when that fails.
// Answers false for a failed attach, also when an exception escapes.
bool PTAdapterWinAttach(void* moduleInstance);
// Closes when the attach opened; answers false when an exception escapes.
bool PTAdapterWinDetach();

// Only the first open opens the resource file (the module's path with ".rsr" appended) and
// creates the group (NewPlugIn). A failed first open leaves nothing open and is not counted, so
// that the next open tries again; -37 when the module's path leaves no room for the resource
// file's name in 256 characters.
SInt16 PTAdapterWinOpen();
// Only the last close deletes the group and closes the resource file, and only after an open
// that succeeded. Answers 0.
SInt16 PTAdapterWinClose();
