#include "DAECalls.h"

#include <dlfcn.h>

#include "CDAEError.h"

SDAECalls gDAE;
SDSICalls gDSI;

namespace
{
template <typename Function>
void Resolve(void* library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(FailNIL(dlsym(library, name)));
}
} // namespace

#define KELVARO_RESOLVE(result, name, arguments) Resolve(library, #name, calls.name);

void LoadDAEFrom(void* library)
{
    SDAECalls calls;
    KELVARO_DAE_CALLS(KELVARO_RESOLVE)
    gDAE = calls;
}

void InitializeDSICallsFrom(void* library)
{
    SDSICalls calls;
    KELVARO_DSI_CALLS(KELVARO_RESOLVE)
    gDSI = calls;
}

#undef KELVARO_RESOLVE

void LoadDAE()
{
    LoadDAEFrom(RTLD_DEFAULT);
}

void InitializeDSICalls()
{
    InitializeDSICallsFrom(RTLD_DEFAULT);
}
