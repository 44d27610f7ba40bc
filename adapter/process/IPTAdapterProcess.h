#pragma once
// What the editor host may ask of its process: the live effect, the module it lives in, and
// the plug-in's resource file around every editor creation, opening, closing and deletion.

class QVEffect;

class IPTAdapterProcess
{
public:
    virtual ~IPTAdapterProcess() = default;

    virtual QVEffect* GetQVEffect() = 0;
    virtual void* ProcessGetModuleHandle() = 0;
    // Answers the previously current resource file.
    virtual short ProcessUseResourceFile() = 0;
    virtual void ProcessRestoreResourceFile(short previous) = 0;
};
