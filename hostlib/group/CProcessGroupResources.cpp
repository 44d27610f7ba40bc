// The counted use of the plug-in's own resource file. This platform has no resource manager;
// the library keeps the current file itself, and the plug-in's map is a reference that is
// valid while the map is open.

#include "CProcessGroup.h"

namespace
{
constexpr SInt16 kHostResourceFile = 0;
constexpr SInt16 kPlugInResourceMap = 1;
constexpr SInt16 kNoResourceFile = -1;

SInt16 sCurrentResourceFile = kHostResourceFile;
} // namespace

SInt16 CProcessGroup::sResourceOpenCount = 0;
SInt16 CProcessGroup::sResourceFile = kNoResourceFile;
SInt16 CProcessGroup::sPreviousResourceFile = kNoResourceFile;
const char* CProcessGroup::sBundleReference = nullptr;

void CProcessGroup::SetBundleReference(const char* bundleReference)
{
    sBundleReference = bundleReference;
}

SInt16 CProcessGroup::CurrentResourceFile()
{
    return sCurrentResourceFile;
}

void CProcessGroup::MakeResourceFileCurrent(SInt16 file)
{
    sCurrentResourceFile = file;
}

SInt16 CProcessGroup::UseResourceFile()
{
    const SInt16 previous = sCurrentResourceFile;
    if (sResourceOpenCount == 0)
        sResourceFile = kPlugInResourceMap;
    ++sResourceOpenCount;
    MakeResourceFileCurrent(sResourceFile);
    return previous;
}

void CProcessGroup::RestoreResourceFile(SInt16 previous)
{
    if (sResourceOpenCount-- <= 1)
    {
        sResourceOpenCount = 0;
        sResourceFile = kNoResourceFile;
    }
    MakeResourceFileCurrent(previous);
}
