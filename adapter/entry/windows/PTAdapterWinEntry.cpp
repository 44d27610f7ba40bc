#include "PTAdapterWinEntry.h"

#include "PTAdapterGroupLifetime.h"
#include "PTAdapterWinModule.h"

namespace
{
constexpr SInt32 kInterfaceVersion = 73;
constexpr SInt32 kVersionRefused = -1;
} // namespace

bool gPTAdapterWinOpenedByHost = false;

extern "C" SInt16 NewPlugIn(SInt32)
{
    return PTAdapterCreateGroup();
}

extern "C" SInt32 WinPlugInOpen(SInt32 interfaceVersion)
{
    gPTAdapterWinOpenedByHost = false;
    if (interfaceVersion != kInterfaceVersion)
        return kVersionRefused;
    gPTAdapterWinOpenedByHost = true;
    return PTAdapterWinOpen();
}

extern "C" SInt32 WinPlugInClose()
{
    return PTAdapterWinClose();
}
