#pragma once
// The C functions the engine exports, for the host side that links the engine directly.

#include "FicInterface.h"

#define KELVARO_EXPORT_PROTOTYPE(result, name, arguments) result name arguments;
extern "C"
{
    KELVARO_DAE_CALLS(KELVARO_EXPORT_PROTOTYPE)
    KELVARO_DSI_CALLS(KELVARO_EXPORT_PROTOTYPE)
}
#undef KELVARO_EXPORT_PROTOTYPE
