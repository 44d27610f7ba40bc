// The process's names and listeners in the host's token service.

#include <cstring>
#include <string>

#include "CProcess.h"
#include "DAECalls.h"
#include "DAEErrorCodes.h"
#include "FicTokenGlobals.h"

ComponentResult CProcess::SetRootName(FicSDSNameId parent)
{
    if (fProcessNameId != 0)
    {
        UnRegisterControls();
        UnRegisterRoot();
    }
    char baseName[256] = {};
    GetSDSBaseName(baseName);
    const std::string rootName = std::string(baseName) + "/Inst" + std::to_string(gInstanciationNum);
    return gDAE.FicSDSReserveName(parent, rootName.c_str(), &fProcessNameId);
}

ComponentResult CProcess::RegisterControls()
{
    for (SInt32 index = 1; index <= fRegistry.GetNumControls(); ++index)
    {
        char name[256] = {};
        GetProcessControlSDSName(index, name);
        const SInt16 result = gDAE.FicSDSReserveName(fProcessNameId, name, &fRegistry[index].nameId);
        if (result != 0)
            return result;
    }
    return gDAE.FicSDSGetNameId(0, "", &fNamespaceRootId);
}

FicObjectRef CProcess::NewControlListener(SInt32 index, OSType type, OSType subType)
{
    FicObjectRef listener =
        gDAE.FicNewObject(gOurFicServer, gDAE.FicFindStandardType(gOurFicServer, kFicListenerObjectType));
    if (listener == nullptr)
        return nullptr;
    SControlEntry& entry = fRegistry[index];
    gDAE.FicSDSSetListenerName(listener, entry.nameId);
    gDAE.FicSDSSetListenerType(listener, type);
    gDAE.FicSDSSetListenerSubType(listener, subType);
    gDAE.FicSDSSetListenerGoal(listener, 0);
    gDAE.FicSDSSetListenerCriticalFlag(listener, false);
    gDAE.FicSDSSetListenerLatestFlag(listener, true);
    gDAE.FicSDSSetListenerTaskVal(listener, &entry.context);
    gDAE.FicSDSSetListenerTask(listener, gOurTokenTask);
    gDAE.FicSDSSetListenerProtocol(listener, kTokenProtocol);
    gDAE.FicSDSSetListenerManufacturer(listener, kTokenManufacturer);
    return listener;
}

ComponentResult CProcess::RegisterListeners()
{
    struct SKind
    {
        EControlListener slot;
        OSType type;
        OSType subType;
    };
    constexpr SKind kKinds[] = {{eCurrentValueListener, kTokenCurrentValue, kTokenControlValue},
                                {eGetValueListener, kTokenGetValue, kTokenControlValue},
                                {eHighlightListener, kTokenSetValue, kTokenHighlight}};
    for (SInt32 index = 1; index <= fRegistry.GetNumControls(); ++index)
        for (const SKind& kind : kKinds)
        {
            FicObjectRef& listener = fRegistry[index].listeners[kind.slot];
            listener = NewControlListener(index, kind.type, kind.subType);
            if (listener == nullptr)
                return kDAE_NilObject;
        }
    return 0;
}

ComponentResult CProcess::UnRegisterRoot()
{
    if (fProcessNameId != 0)
        gDAE.FicSDSFreeName(fProcessNameId, nullptr);
    fProcessNameId = 0;
    return 0;
}

ComponentResult CProcess::UnRegisterControls()
{
    for (SInt32 index = 1; index <= fRegistry.GetNumControls(); ++index)
    {
        FicSDSNameId& nameId = fRegistry[index].nameId;
        if (nameId != 0)
            gDAE.FicSDSFreeName(nameId, nullptr);
        nameId = 0;
    }
    return 0;
}

ComponentResult CProcess::UnRegisterListeners()
{
    for (SInt32 index = 1; index <= fRegistry.GetNumControls(); ++index)
        for (FicObjectRef& listener : fRegistry[index].listeners)
        {
            if (listener != nullptr)
                gDAE.FicDelete(listener);
            listener = nullptr;
        }
    return 0;
}

ComponentResult CProcess::GetSDSBaseName(char* out)
{
    std::strcpy(out, "Plug-Ins/Undefined BaseName");
    return 0;
}
