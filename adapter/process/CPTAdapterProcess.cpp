// Construction and destruction, the editor host interface, the effect's callback, initialisation
// and idle.

#include "CPTAdapterProcess.h"

#include "AdapterModuleHandle.h"
#include "AdapterValues.h"
#include "CProcessGroup.h"
#include "CProcessType.h"
#include "QVEffect.h"

bool PTAdapterCallback(void* context, SInt32 code, SInt32 index, float value, void* data, SInt32 size)
{
    if (context == nullptr)
        return false;
    return static_cast<CPTAdapterProcess*>(context)->HandleCallback(code, index, value, data, size);
}

CPTAdapterProcess::CPTAdapterProcess(SInt32 pluginType, SInt32 channelMode)
    : moduleHandle(gPTAdapterModuleHandle), effect(createQVEffect(pluginType, channelMode)),
      formatEffect(createQVEffect(pluginType, channelMode)),
      masterBypassIndex((effect->getFlags() & QVEffect::kEffectNoMasterBypass) != 0 ? 0 : 1)
{
}

// The editor must never outlive the effect it shows.
CPTAdapterProcess::~CPTAdapterProcess()
{
    ui.reset();
    adapterView = nullptr;
    formatEffect.reset();
    effect.reset();
    compareBuffer.reset();
}

// ---- Editor host interface

QVEffect* CPTAdapterProcess::GetQVEffect()
{
    return effect.get();
}

void* CPTAdapterProcess::ProcessGetModuleHandle()
{
    return moduleHandle;
}

short CPTAdapterProcess::ProcessUseResourceFile()
{
    return CProcessGroup::UseResourceFile();
}

void CPTAdapterProcess::ProcessRestoreResourceFile(short previous)
{
    CProcessGroup::RestoreResourceFile(previous);
}

// ---- The effect's reports

bool CPTAdapterProcess::HandleCallback(SInt32 code, SInt32 index, float value, void*, SInt32)
{
    switch (code)
    {
    case QVEffect::kCallbackSetParameter:
        SetControlValue(ControlOf(index), ToHostControlValue(value));
        return true;
    case QVEffect::kCallbackBeginEdit:
        effect->touchParameter(index);
        return true;
    case QVEffect::kCallbackEndEdit:
        effect->releaseParameter(index);
        return true;
    case QVEffect::kCallbackParameterChanged:
        NotifyControlUpdate(ControlOf(index), ToHostControlValue(value));
        return true;
    case QVEffect::kCallbackRefreshParameter:
        UpdateControlValueInAlgorithm(ControlOf(index));
        return true;
    case QVEffect::kCallbackResizeWindow:
        ResizeWindow(index >> 16, SInt16(index & 0xFFFF));
        return true;
    case QVEffect::kCallbackIdle:
        DoIdle(nullptr);
        if (gProcessGroup != nullptr)
            gProcessGroup->YieldCriticalSection();
        return true;
    default:
        return false;
    }
}

void CPTAdapterProcess::EffectInit()
{
    effect->setChannelConfig(GetNumInputs(), GetNumOutputs());
    effect->setCallback(this, PTAdapterCallback);
}

// ---- Idle

SInt16 CPTAdapterProcess::DoTokenIdle()
{
    CEffectProcess::DoTokenIdle();
    if (ui)
        ui->Idle();
    if (GetPlugInKind() == ePlugInKindOffline && previewState != 0)
        return SInt16(previewState);
    UpdateMetersFromDSPorRTAS();
    return 0;
}

// The library keeps the preview state to itself; idle needs it.
ComponentResult CPTAdapterProcess::SetPreviewState(SInt32 state)
{
    previewState = state;
    return CEffectProcess::SetPreviewState(state);
}

void CPTAdapterProcess::UpdateMetersFromDSPorRTAS() {}
