#include "WindowFromPort.h"

#include "SHostGrafPort.h"

void* GetWindowFromPort(GrafPtr port)
{
    return port != nullptr ? reinterpret_cast<const SHostGrafPort*>(port)->fWindow : nullptr;
}
