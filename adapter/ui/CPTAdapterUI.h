#pragma once
// The effect's editor embedded in the host's plug-in window: the window that owns the host's
// port is the editor's own window. This object alone creates, opens, closes and deletes the
// editor, always with the plug-in's resource file current. Without an editor (the effect has
// none) every operation does nothing.

#include <memory>

#include "IPTAdapterUI.h"

class QVEditor;
struct ERect;

class CPTAdapterUI : public IPTAdapterUI
{
public:
    explicit CPTAdapterUI(IPTAdapterProcess* process);
    ~CPTAdapterUI() override;

    bool Init() override;
    // x and y are not used: the editor fills the window from its top-left corner.
    bool Open(void* parent, SInt16 x, SInt16 y) override;
    bool Close() override;
    void Idle() override;
    void Draw(SInt32 left, SInt32 top, SInt32 right, SInt32 bottom) override;
    void GetRect(SInt16* left, SInt16* top, SInt16* right, SInt16* bottom) override;
    void SetRect(SInt16 left, SInt16 top, SInt16 right, SInt16 bottom) override;
    SInt32 MouseCommmand(SInt32 x, SInt32 y) override;
    SInt32 GetParameterIndexFromPoint(SInt32 x, SInt32 y) override;
    void SetControlHighlight(SInt32 parameter, SInt32 code) override;
    void UpdateEditor() override;

private:
    // The editor's own rectangle; null without an editor or when it gives none.
    ERect* EditorRect();

    void* parentWindow = nullptr;
    std::unique_ptr<QVEditor> editor;
};

// process is the IPTAdapterProcess the editor belongs to.
CPTAdapterUI* CreateCPTAdapterUI(void* process);
