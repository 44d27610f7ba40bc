#pragma once
// The process base: one instance of the plug-in inside the host. Every operation answers a host
// error code, 0 for success. This holds the per-control part: the control list, the defaults of
// the control operations, and the process's registry in the host's token service through which
// value changes, touches and releases pass the host's automation engine.

#include "CControlRegistry.h"
#include "CPluginControlManager.h"
#include "SFicSDSToken.h"

// Grows with every instantiation; part of each process's namespace root name.
extern SInt32 gInstanciationNum;

constexpr OSType kControllerTypePcTL = FourCC("PcTL");
constexpr OSType kNoControlViewId = FourCC("NONE");

class CProcess
{
public:
    CProcess();
    virtual ~CProcess();
    CProcess(const CProcess&) = delete;
    CProcess& operator=(const CProcess&) = delete;

    // With a token task: the control registry (root name, control names, listeners).
    virtual ComponentResult Initialize();
    virtual ComponentResult Free();
    virtual SInt16 DoTokenIdle();

    // ---- Controls
    virtual ComponentResult GetNumControls(SInt16* numControls);
    virtual ComponentResult GetMasterBypassControl(SInt32* index);
    virtual ComponentResult IsControlAutomatable(SInt32 index, SInt16* automatable);
    virtual ComponentResult GetNumControlSteps(SInt32 index, SInt32* numSteps);
    virtual ComponentResult ConvertStringToValue(SInt32 index, SInt32* value, char* text);
    virtual ComponentResult IsKeyValid(SInt32 index, SInt16 key, unsigned char* valid);
    // out holds maxLen + 1 bytes and receives a length-prefixed text.
    virtual ComponentResult GetValueString(SInt32 index, SInt32 value, unsigned char* out, SInt32 maxLen);
    // out holds 32 bytes.
    virtual ComponentResult GetControlName(SInt32 index, char* out);
    virtual ComponentResult GetControlNameOfLength(SInt32 index, char* out, SInt32 maxLen,
                                                   OSType controllerType, SInt16* result);
    virtual ComponentResult GetProcessControlSDSName(SInt32 index, char* out);
    virtual ComponentResult GetControlValue(SInt32 index, SInt32* value);
    virtual ComponentResult SetControlValue(SInt32 index, SInt32 value);
    virtual ComponentResult SetControlRelative(SInt32 index, SInt32 delta);
    virtual ComponentResult GetControlDefaultValue(SInt32 index, SInt32* value);
    virtual ComponentResult SetControlDefaultValue(SInt32 index, SInt32 value);
    virtual ComponentResult GetControlValueInfo(SInt32 index, SInt32 selector, SInt32 value, SInt32* info);
    virtual ComponentResult GetNumChanges(SInt32* numChanges);
    virtual ComponentResult SetControlOverride(SInt32 index, Boolean overridden);

    // ---- Token registry
    virtual ComponentResult SetRootName(FicSDSNameId parent);
    virtual ComponentResult RegisterControls();
    virtual ComponentResult RegisterListeners();
    virtual ComponentResult UnRegisterRoot();
    virtual ComponentResult UnRegisterControls();
    virtual ComponentResult UnRegisterListeners();

    // ---- Values reaching the process and its view
    virtual ComponentResult UpdateHighlight(SInt32 index, SInt16 highlighted, SInt16 color, SInt16 style,
                                            const char* text);
    virtual ComponentResult UpdateControlGraphic(SInt32 index, SInt32 value);
    virtual ComponentResult UpdateControlValue(SInt32 index, SInt32 value);
    virtual ComponentResult UpdateControlValueInAlgorithm(SInt32 index);
    virtual ComponentResult UpdateControlRelative(SInt32 index, SInt32 delta);
    virtual ComponentResult GetControlPriority(SInt32 index, SInt32* priority);
    virtual ComponentResult GetControlType(SInt32 index, SInt32* type);
    virtual ComponentResult GetControlOrientation(SInt32 index, SInt32* orientation);
    virtual ComponentResult GetProcessNameID(FicSDSNameId* id);
    virtual ComponentResult GetControlNameID(SInt32 index, FicSDSNameId* id);
    virtual ComponentResult MapControlValToString(SInt32 index, SInt32 value, char* out, SInt32 maxLen);
    virtual ComponentResult GetControlHighliteInfo(SInt32 index, SInt16* highlighted, SInt16* color);
    virtual ComponentResult SetControlHighliteInfo(SInt32 index, SInt16 highlighted, SInt16 color);
    virtual ComponentResult TouchControl(SInt32 index);
    virtual ComponentResult ReleaseControl(SInt32 index);
    virtual ComponentResult ChooseControl(Point where, SInt32* index);
    // out holds 256 bytes.
    virtual ComponentResult GetSDSBaseName(char* out);
    virtual ComponentResult GetProcessControlViewId(SInt32 index, OSType* viewId);
    virtual ComponentResult HandleToken(const SFicSDSToken* token);

    void AddControl(CPluginControl* control);

protected:
    CPluginControlManager fControls;

private:
    bool HasTokenTask() const;
    bool IsRegistered(SInt32 index) const;
    SInt16 SendValueToken(SInt32 index, OSType type, SInt32 value);
    SInt16 SendTouchToken(SInt32 index, bool touched);
    SInt16 SendGIACToken();
    void HandleQueuedToken(SInt32 index, const SFicSDSToken& token);
    FicObjectRef NewControlListener(SInt32 index, OSType type, OSType subType);
    CPluginControl* FindControl(SInt32 index) const;

    CControlRegistry fRegistry;
    bool fUsesTokens = false;  // a token task existed when the process initialised
    FicSDSNameId fProcessNameId = 0;
    FicSDSNameId fNamespaceRootId = 0;
    SInt32 fNumChanges = 0;
};
