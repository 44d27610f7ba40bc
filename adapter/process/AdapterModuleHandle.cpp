#include "AdapterModuleHandle.h"

void* gPTAdapterModuleHandle = nullptr;
