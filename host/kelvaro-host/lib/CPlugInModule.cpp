#include "CPlugInModule.h"

#include <dlfcn.h>

#include <filesystem>

#include "CHostEngine.h"
#include "CHostError.h"

namespace
{
using NewMachOPlugInEntry = SInt16 (*)(const char* bundleReference);
using CloseMachOPlugInEntry = void (*)();

// The kinds of plug-in type this host runs; the others stay hidden from it.
constexpr SInt32 kRealTimeKind = 3;
constexpr SInt32 kOfflineKind = 1;

std::string Absolute(const std::string& path)
{
    std::error_code ignored;
    return std::filesystem::absolute(path, ignored).lexically_normal().string();
}
} // namespace

std::string CPlugInModule::LibraryPathOf(const std::string& bundlePath)
{
    std::filesystem::path bundle = std::filesystem::path(bundlePath).lexically_normal();
    if (!bundle.has_filename())
        bundle = bundle.parent_path();
    return (bundle / "Contents" / "Linux" / bundle.stem()).string() + ".so";
}

CPlugInModule::CPlugInModule(const std::string& bundlePath) : fBundlePath(Absolute(bundlePath))
{
    // The module finds the engine's functions by name among those already loaded.
    CHostEngine::Instance();
    if (!std::filesystem::exists(fBundlePath))
        throw CHostError(kHostBundleMissing, bundlePath);
    const std::string library = LibraryPathOf(fBundlePath);
    if (!std::filesystem::is_directory(fBundlePath) || !std::filesystem::is_regular_file(library))
        throw CHostError(kHostNotAPlugIn, bundlePath + " (no library at Contents/Linux)");
    fLibrary = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (fLibrary == nullptr)
        throw CHostError(kHostNotAPlugIn, bundlePath + " (" + dlerror() + ")");
    try
    {
        auto open = reinterpret_cast<NewMachOPlugInEntry>(Entry("NewMachOPlugIn"));
        fClose = reinterpret_cast<CloseMachOPlugInEntry>(Entry("CloseMachOPlugIn"));
        auto* tableWord = static_cast<RoutineDescriptorFunction*>(Entry("_PI_GetRoutineDescriptor"));
        if (*tableWord == nullptr)
            throw CHostError(kHostNotAPlugIn, bundlePath + " (empty routine table word)");
        fRoutines = std::make_unique<CRoutineTable>(*tableWord);
        const SInt16 opened = open(fBundlePath.c_str());
        if (opened != 0)
        {
            fClose();
            throw CHostError(opened, bundlePath + " (entry NewMachOPlugIn)");
        }
        fRoutines->EnablePlugInType(kRealTimeKind);
        fRoutines->EnablePlugInType(kOfflineKind);
    }
    catch (...)
    {
        dlclose(fLibrary);
        throw;
    }
}

CPlugInModule::~CPlugInModule()
{
    fClose();
    dlclose(fLibrary);
}

void* CPlugInModule::Entry(const char* name) const
{
    void* entry = dlsym(fLibrary, name);
    if (entry == nullptr)
        throw CHostError(kHostNotAPlugIn, fBundlePath + " (no " + name + ")");
    return entry;
}
