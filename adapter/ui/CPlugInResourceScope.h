#pragma once
// The plug-in's resource file made current for the life of the scope, the previous one current
// again afterwards, also when the editor throws.

#include "IPTAdapterProcess.h"

class CPlugInResourceScope
{
public:
    explicit CPlugInResourceScope(IPTAdapterProcess& process)
        : fProcess(process), fPrevious(process.ProcessUseResourceFile())
    {
    }
    ~CPlugInResourceScope() { fProcess.ProcessRestoreResourceFile(fPrevious); }
    CPlugInResourceScope(const CPlugInResourceScope&) = delete;
    CPlugInResourceScope& operator=(const CPlugInResourceScope&) = delete;

private:
    IPTAdapterProcess& fProcess;
    short fPrevious;
};
