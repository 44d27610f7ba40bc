#include "PTAdapterWinModule.h"

#include <cstring>

#include "AdapterModuleHandle.h"
#include "PTAdapterGroupLifetime.h"
#include "PTAdapterWinEntry.h"
#include "PTAdapterWinPlatform.h"

namespace
{
constexpr SInt32 kPathCapacity = 256;
constexpr char kResourceSuffix[] = ".rsr";
constexpr SInt16 kNoResourcePath = -37;

struct SWinModuleState
{
    void* instance = nullptr;
    char modulePath[kPathCapacity] = {};
    char resourcePath[kPathCapacity] = {};
    SInt32 openCount = 0;
    bool openSucceeded = false;
    bool openedByEngine = false;  // the engine took the open and close procedures
};

SWinModuleState sModule;

// A module path cut short would name another file, so it counts as no path.
bool TakeResourcePath()
{
    sModule.resourcePath[0] = '\0';
    const SInt32 length = PTAdapterWinGetModuleFileName(sModule.instance, sModule.modulePath, kPathCapacity);
    if (length <= 0 || length >= kPathCapacity)
        return false;
    sModule.modulePath[length] = '\0';
    if (size_t(length) + sizeof(kResourceSuffix) > size_t(kPathCapacity))
        return false;
    std::memcpy(sModule.resourcePath, sModule.modulePath, size_t(length));
    std::memcpy(sModule.resourcePath + length, kResourceSuffix, sizeof(kResourceSuffix));
    return true;
}

SInt16 OpenFirstTime()
{
    sModule.openSucceeded = false;
    if (!TakeResourcePath())
        return kNoResourcePath;
    PTAdapterWinOpenResourceFile(sModule.resourcePath, &PTAdapterResourceByteOrder);
    const SInt16 result = NewPlugIn(0);
    sModule.openSucceeded = result == 0;
    if (!sModule.openSucceeded)
    {
        PTAdapterDeleteGroup();
        PTAdapterWinCloseResourceFile();
    }
    return result;
}

PTAdapterWinSetOpenAndCloseProcs FindSetOpenAndCloseProcs()
{
    void* engine = PTAdapterWinFindLoadedModule("DAE.DLL");
    if (engine == nullptr)
        return nullptr;
    return reinterpret_cast<PTAdapterWinSetOpenAndCloseProcs>(
        PTAdapterWinFindProcedure(engine, "SetPlugInOpenAndCloseProcs"));
}

template <typename Step>
bool SucceedsWithoutException(Step step)
{
    try
    {
        return step();
    }
    catch (...)
    {
        return false;
    }
}
} // namespace

bool PTAdapterWinAttach(void* moduleInstance)
{
    return SucceedsWithoutException([moduleInstance] {
        sModule.instance = moduleInstance;
        gPTAdapterModuleHandle = moduleInstance;
        const PTAdapterWinSetOpenAndCloseProcs setOpenAndCloseProcs = FindSetOpenAndCloseProcs();
        sModule.openedByEngine = setOpenAndCloseProcs != nullptr;
        if (!sModule.openedByEngine)
            return PTAdapterWinOpen() == 0;
        setOpenAndCloseProcs(&PTAdapterWinOpen, &PTAdapterWinClose);
        return true;
    });
}

bool PTAdapterWinDetach()
{
    return SucceedsWithoutException([] {
        if (!sModule.openedByEngine)
            PTAdapterWinClose();
        return true;
    });
}

SInt16 PTAdapterWinOpen()
{
    if (++sModule.openCount > 1)
        return 0;
    const SInt16 result = OpenFirstTime();
    if (result != 0)
        sModule.openCount = 0;
    return result;
}

SInt16 PTAdapterWinClose()
{
    if (sModule.openCount == 0)
        return 0;
    if (--sModule.openCount == 0 && sModule.openSucceeded)
    {
        sModule.openSucceeded = false;
        PTAdapterDeleteGroup();
        PTAdapterWinCloseResourceFile();
    }
    return 0;
}
