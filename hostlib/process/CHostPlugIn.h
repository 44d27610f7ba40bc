#pragma once
// The host plug-in object of a real-time process: it builds the instance block and descriptor
// that the host's real-time engine hands back with every render call, and registers the render
// worker with the engine for as long as it lives.

#include "FicInterface.h"
#include "HostRecords.h"
#include "SRTASInstance.h"

class CHostPlugIn
{
public:
    // Throws the engine's error when it refuses the instance.
    CHostPlugIn(const SPlugInIDRecord& id, const SRTASInstanceDescriptor& descriptor, FicRenderWorker worker);
    ~CHostPlugIn();
    CHostPlugIn(const CHostPlugIn&) = delete;
    CHostPlugIn& operator=(const CHostPlugIn&) = delete;

    const SPlugInIDRecord& GetID() const { return fID; }
    SRTASInstanceBlock* GetInstanceBlock() { return &fBlock; }

private:
    SPlugInIDRecord fID;
    SRTASInstanceDescriptor fDescriptor;
    SRTASInstanceBlock fBlock;
    bool fRegistered = false;
};
