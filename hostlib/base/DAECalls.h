#pragma once
// The host engine's entry points as the library reaches them: resolved by name at group
// start-up, from whatever image exports them (the host program, or an engine library that it
// loaded into the global namespace).

#include "FicInterface.h"

#define KELVARO_ENTRY_POINTER(result, name, arguments) result(*name) arguments = nullptr;

struct SDAECalls
{
    KELVARO_DAE_CALLS(KELVARO_ENTRY_POINTER)
};

struct SDSICalls
{
    KELVARO_DSI_CALLS(KELVARO_ENTRY_POINTER)
};

#undef KELVARO_ENTRY_POINTER

extern SDAECalls gDAE;
extern SDSICalls gDSI;

// Resolve every entry point or none: a missing one throws CDAEError -7053 and leaves the
// table as it was.
void LoadDAE();
void InitializeDSICalls();
// The same from one loaded library (a dlopen handle).
void LoadDAEFrom(void* library);
void InitializeDSICallsFrom(void* library);
