#pragma once
// The one group's life as every module entry runs it, whichever platform loaded the module.

#include "HostTypes.h"

// Creates the group with the library's hook, stores it in gProcessGroup and initialises it.
// Answers 0, -7003 when the hook made none, the code of a library error thrown while the group
// is made or initialised, or -7401 for any other exception. The group's own answer to Initialize
// is not the entry's: a loaded group reports its state routine by routine.
SInt16 PTAdapterCreateGroup();

// Deletes the group, if any, and clears gProcessGroup; what its destruction throws is swallowed.
void PTAdapterDeleteGroup();
