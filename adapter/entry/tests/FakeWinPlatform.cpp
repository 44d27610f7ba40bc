#include "FakeWinPlatform.h"

#include <algorithm>
#include <cstring>

namespace
{
int sEngineLibrary = 0;  // its address stands for the loaded engine library

void SetPlugInOpenAndCloseProcs(PTAdapterWinOpenCloseProc open, PTAdapterWinOpenCloseProc close)
{
    FakeWinPlatform().calls.push_back("set open and close procedures");
    FakeWinPlatform().registeredOpen = open;
    FakeWinPlatform().registeredClose = close;
}
} // namespace

SFakeWinPlatform& FakeWinPlatform()
{
    static SFakeWinPlatform platform;
    return platform;
}

size_t SFakeWinPlatform::CountOf(const std::string& call) const
{
    return size_t(std::count(calls.begin(), calls.end(), call));
}

size_t SFakeWinPlatform::CountOfOpens() const
{
    return size_t(std::count_if(calls.begin(), calls.end(), [](const std::string& call) { return call.starts_with("open "); }));
}

// As the system does: a name that does not fit is cut to capacity - 1 characters and answers capacity.
SInt32 PTAdapterWinGetModuleFileName(void* module, char* path, SInt32 capacity)
{
    SFakeWinPlatform& platform = FakeWinPlatform();
    platform.calls.push_back("module file name");
    platform.moduleAskedFor = module;
    if (platform.moduleFileNameFails || capacity <= 0)
        return 0;
    const size_t length = platform.moduleFileName.size();
    const size_t copied = std::min(length, size_t(capacity - 1));
    std::memcpy(path, platform.moduleFileName.data(), copied);
    path[copied] = '\0';
    return length < size_t(capacity) ? SInt32(length) : capacity;
}

void* PTAdapterWinFindLoadedModule(const char* name)
{
    FakeWinPlatform().calls.push_back(std::string("find module ") + name);
    return FakeWinPlatform().engineLoaded && std::strcmp(name, "DAE.DLL") == 0 ? &sEngineLibrary : nullptr;
}

PTAdapterWinProc PTAdapterWinFindProcedure(void* module, const char* name)
{
    FakeWinPlatform().calls.push_back(std::string("find procedure ") + name);
    const bool offered = module == &sEngineLibrary && FakeWinPlatform().engineOffersOpenAndCloseProcs &&
                         std::strcmp(name, "SetPlugInOpenAndCloseProcs") == 0;
    return offered ? reinterpret_cast<PTAdapterWinProc>(&SetPlugInOpenAndCloseProcs) : nullptr;
}

void PTAdapterWinOpenResourceFile(const char* path, PTAdapterResourceByteOrderProc byteOrder)
{
    FakeWinPlatform().calls.push_back(std::string("open ") + path);
    FakeWinPlatform().byteOrder = byteOrder;
}

void PTAdapterWinCloseResourceFile()
{
    FakeWinPlatform().calls.push_back("close");
}
