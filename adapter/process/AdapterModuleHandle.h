#pragma once
// The module's instance handle, set by the module entry where the platform has one (null
// elsewhere); every adapter process and its editor take it from here.

extern void* gPTAdapterModuleHandle;
