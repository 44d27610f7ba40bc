#pragma once
// An editor host that records what the process asks of it and finds a chosen parameter under
// every point.

#include <utility>
#include <vector>

#include "IPTAdapterUI.h"

class CRecordingUI : public IPTAdapterUI
{
public:
    explicit CRecordingUI(IPTAdapterProcess* process = nullptr) : IPTAdapterUI(process) {}

    bool Init() override { return true; }
    bool Open(void*, SInt16, SInt16) override { return true; }
    bool Close() override { return false; }
    void Idle() override { ++fIdles; }
    void Draw(SInt32, SInt32, SInt32, SInt32) override {}
    void GetRect(SInt16*, SInt16*, SInt16*, SInt16*) override {}
    void SetRect(SInt16, SInt16, SInt16, SInt16) override {}
    SInt32 MouseCommmand(SInt32, SInt32) override { return 0; }
    SInt32 GetParameterIndexFromPoint(SInt32 x, SInt32 y) override
    {
        fPoints.emplace_back(x, y);
        return fParameterUnderPoint;
    }
    void SetControlHighlight(SInt32 parameter, SInt32 code) override { fHighlights.emplace_back(parameter, code); }
    void UpdateEditor() override { ++fEditorUpdates; }

    SInt32 fParameterUnderPoint = -1;
    SInt32 fIdles = 0;
    SInt32 fEditorUpdates = 0;
    std::vector<std::pair<SInt32, SInt32>> fPoints;
    std::vector<std::pair<SInt32, SInt32>> fHighlights;
};
