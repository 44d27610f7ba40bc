#include "CPTAdapterUI.h"

#include "CPlugInResourceScope.h"
#include "ERect.h"
#include "ModuleInstance.h"
#include "QVEditor.h"
#include "QVEffect.h"

CPTAdapterUI* CreateCPTAdapterUI(void* process)
{
    return new CPTAdapterUI(static_cast<IPTAdapterProcess*>(process));
}

CPTAdapterUI::CPTAdapterUI(IPTAdapterProcess* process) : IPTAdapterUI(process)
{
    setModuleInstance(process->ProcessGetModuleHandle());
    const CPlugInResourceScope resources(*process);
    editor.reset(process->GetQVEffect()->createEditor());
}

CPTAdapterUI::~CPTAdapterUI()
{
    const CPlugInResourceScope resources(*Process());
    editor.reset();
}

bool CPTAdapterUI::Init()
{
    return true;
}

// A port without a window leaves the editor closed: there is nothing to draw into.
bool CPTAdapterUI::Open(void* parent, SInt16, SInt16)
{
    parentWindow = parent;
    if (editor && parent != nullptr)
    {
        const CPlugInResourceScope resources(*Process());
        editor->open(parent);
    }
    return true;
}

// The host calls this again when the port goes away; the editor's close is harmless when closed.
bool CPTAdapterUI::Close()
{
    if (editor && parentWindow != nullptr)
    {
        const CPlugInResourceScope resources(*Process());
        editor->close();
    }
    return false;
}

void CPTAdapterUI::Idle()
{
    if (editor)
        editor->idle();
}

void CPTAdapterUI::Draw(SInt32 left, SInt32 top, SInt32 right, SInt32 bottom)
{
    if (!editor)
        return;
    ERect area{SInt16(top), SInt16(left), SInt16(bottom), SInt16(right)};
    editor->draw(&area);
}

ERect* CPTAdapterUI::EditorRect()
{
    ERect* rect = nullptr;
    return editor && editor->getRect(&rect) ? rect : nullptr;
}

void CPTAdapterUI::GetRect(SInt16* left, SInt16* top, SInt16* right, SInt16* bottom)
{
    const ERect* rect = EditorRect();
    if (rect == nullptr)
        return;
    *left = rect->left;
    *top = rect->top;
    *right = rect->right;
    *bottom = rect->bottom;
}

void CPTAdapterUI::SetRect(SInt16 left, SInt16 top, SInt16 right, SInt16 bottom)
{
    if (ERect* rect = EditorRect())
        *rect = ERect{top, left, bottom, right};
}

SInt32 CPTAdapterUI::MouseCommmand(SInt32 x, SInt32 y)
{
    if (editor)
        editor->mouse(x, y);
    return 0;
}

SInt32 CPTAdapterUI::GetParameterIndexFromPoint(SInt32 x, SInt32 y)
{
    return editor ? editor->getParameterIndexFromPoint(x, y) : -1;
}

void CPTAdapterUI::SetControlHighlight(SInt32 parameter, SInt32 code)
{
    if (editor)
        editor->setControlHighlight(parameter, code);
}

void CPTAdapterUI::UpdateEditor()
{
    if (editor)
        editor->updateEditor();
}
