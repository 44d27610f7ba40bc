#pragma once
// The token server and token task that all processes of the group share. Both are null when
// the host offers no shared-data tokens; every token step is skipped then.

#include "FicInterface.h"

extern FicObjectRef gOurFicServer;
extern FicObjectRef gOurTokenTask;

// Made when the first process is instantiated, after the engine's token services started.
void CreateFicObjects();
// When the last process is freed, or the first instantiation failed.
void FreeFicObjects();
