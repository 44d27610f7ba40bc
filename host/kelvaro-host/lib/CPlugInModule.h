#pragma once
// One plug-in bundle loaded the way the host loads it: the shared library opened from
// <name>.bundle/Contents/Linux/<name>.so, its entry called with the bundle reference (the
// bundle's absolute path as a C string, kept alive until the module is closed), its routine
// table reached through the exported table word, the real-time and offline kinds enabled.
// Closing calls the close entry, then unloads.

#include <memory>
#include <string>

#include "CRoutineTable.h"

class CPlugInModule
{
public:
    // Throws CHostError: kHostBundleMissing, kHostNotAPlugIn, or the entry's own code.
    explicit CPlugInModule(const std::string& bundlePath);
    ~CPlugInModule();
    CPlugInModule(const CPlugInModule&) = delete;
    CPlugInModule& operator=(const CPlugInModule&) = delete;

    CRoutineTable& Routines() { return *fRoutines; }

    // Where the bundle keeps its library: Contents/Linux/<bundle name without .bundle>.so.
    static std::string LibraryPathOf(const std::string& bundlePath);

private:
    void* Entry(const char* name) const;

    std::string fBundlePath;  // the bundle reference the module keeps
    void* fLibrary = nullptr;
    void (*fClose)() = nullptr;
    std::unique_ptr<CRoutineTable> fRoutines;
};
