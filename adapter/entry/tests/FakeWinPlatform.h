#pragma once
// The Windows module's platform as a recording stand-in: the module file name it reports,
// whether the engine library is loaded and offers its open-and-close registration, and every
// call the entry made, in order.

#include <string>
#include <vector>

#include "PTAdapterWinModule.h"
#include "PTAdapterWinPlatform.h"

struct SFakeWinPlatform
{
    std::string moduleFileName = "C:\\Plug-Ins\\Kelvaro.dpm";
    bool moduleFileNameFails = false;
    bool engineLoaded = true;
    bool engineOffersOpenAndCloseProcs = false;

    // "module file name", "find module <name>", "find procedure <name>", "open <path>", "close"
    std::vector<std::string> calls;
    void* moduleAskedFor = nullptr;
    PTAdapterResourceByteOrderProc byteOrder = nullptr;
    PTAdapterWinOpenCloseProc registeredOpen = nullptr;
    PTAdapterWinOpenCloseProc registeredClose = nullptr;

    size_t CountOf(const std::string& call) const;
    size_t CountOfOpens() const;
};

// Each test starts from a fresh one: FakeWinPlatform() = {}.
SFakeWinPlatform& FakeWinPlatform();
