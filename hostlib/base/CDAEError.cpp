#include "CDAEError.h"

#include "DAEErrorCodes.h"

void ThrowOnErr(int code)
{
    if (code != 0)
        throw CDAEError(code);
}

void FailOSErr(OSErr code)
{
    ThrowOnErr(code);
}

void* FailNIL(void* pointer)
{
    if (pointer == nullptr)
        throw CDAEError(kDAE_NilObject);
    return pointer;
}

void* FailNILLowMem(void* pointer)
{
    return FailNIL(pointer);
}

void* FailNILResource(void* handle)
{
    return FailNIL(handle);
}
