#pragma once
// The library's error type: inside the library errors travel as thrown CDAEError; the routine
// layer turns them back into host error codes.

#include "HostTypes.h"

class CDAEError
{
public:
    explicit CDAEError(ComponentResult code) : fCode(code) {}
    virtual ~CDAEError() = default;

    ComponentResult Code() const { return fCode; }

private:
    ComponentResult fCode;
};

// Throws the code when it is not 0.
void ThrowOnErr(int code);
void FailOSErr(OSErr code);
// Each throws -7053 for a null pointer and answers the pointer otherwise.
void* FailNIL(void* pointer);
void* FailNILLowMem(void* pointer);
void* FailNILResource(void* handle);
