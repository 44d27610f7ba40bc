#pragma once
// The editor host of one adapter process, as the process sees it. Rectangles are passed as left,
// top, right, bottom.

#include "HostTypes.h"

class IPTAdapterProcess;

class IPTAdapterUI
{
public:
    explicit IPTAdapterUI(IPTAdapterProcess* process) : fProcess(process) {}
    virtual ~IPTAdapterUI() = default;
    IPTAdapterUI(const IPTAdapterUI&) = delete;
    IPTAdapterUI& operator=(const IPTAdapterUI&) = delete;

    virtual bool Init() = 0;
    virtual bool Open(void* parentWindow, SInt16 x, SInt16 y) = 0;
    virtual bool Close() = 0;
    virtual void Idle() = 0;
    virtual void Draw(SInt32 left, SInt32 top, SInt32 right, SInt32 bottom) = 0;
    virtual void GetRect(SInt16* left, SInt16* top, SInt16* right, SInt16* bottom) = 0;
    virtual void SetRect(SInt16 left, SInt16 top, SInt16 right, SInt16 bottom) = 0;
    virtual SInt32 MouseCommmand(SInt32 x, SInt32 y) = 0;
    // The effect parameter under the point, or -1.
    virtual SInt32 GetParameterIndexFromPoint(SInt32 x, SInt32 y) = 0;
    virtual void SetControlHighlight(SInt32 parameter, SInt32 code) = 0;
    virtual void UpdateEditor() = 0;

protected:
    IPTAdapterProcess* Process() const { return fProcess; }

private:
    IPTAdapterProcess* fProcess;
};
