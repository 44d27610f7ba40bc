#include "CProcessGroup.h"

#include <algorithm>

#include "CDAEError.h"
#include "DAECalls.h"
#include "DAEErrorCodes.h"
#include "FirstFailure.h"
#include "FicTokenGlobals.h"

CProcessGroup* gProcessGroup = nullptr;

CProcessGroup::CProcessGroup() = default;

// Types go first (they free their processes, releasing what live processes held), then the
// section they ran under.
CProcessGroup::~CProcessGroup()
{
    fTypes.clear();
    if (fNumProcesses > 0)
        LastProcessGone();
    FreeCriticalSection();
}

ComponentResult CProcessGroup::Initialize()
{
    LoadDAE();
    InitializeDSICalls();
    fTypes.clear();
    ThrowOnErr(CProcessGroupInterface::Initialize());
    CreateProcessTypeObjects();
    SortProcessTypeObjects();
    InitProcessTypeObjects();
    return InitializeCriticalSection();
}

// ---- Critical section

ComponentResult CProcessGroup::InitializeCriticalSection()
{
    fCriticalSectionDepth = 0;
    IPlugInServices* services = gDSI.GetPlugInServices();
    if (services != nullptr && services->GetVersion() <= 0)
        return kDAE_ServicesTooOld;
    fCriticalSection = gDAE.FicCreateCriticalSection();
    return fCriticalSection != nullptr ? 0 : kDAE_NoCriticalSection;
}

void CProcessGroup::FreeCriticalSection()
{
    if (fCriticalSection != nullptr)
        gDAE.FicDeleteCriticalSection(fCriticalSection);
    fCriticalSection = nullptr;
}

SInt32 CProcessGroup::EnterCriticalSection()
{
    if (fCriticalSection != nullptr)
        gDAE.FicEnterCriticalSection(fCriticalSection);
    return ++fCriticalSectionDepth;
}

SInt32 CProcessGroup::TryToEnterCriticalSection()
{
    IPlugInServices* services = gDSI.GetPlugInServices != nullptr ? gDSI.GetPlugInServices() : nullptr;
    if (fCriticalSection == nullptr || services == nullptr || services->GetVersion() <= 0)
        return 0;
    if (!services->TryToEnterCriticalSection(fCriticalSection))
        return 0;
    ++fCriticalSectionDepth;
    return 1;
}

SInt32 CProcessGroup::LeaveCriticalSection()
{
    const SInt32 depth = --fCriticalSectionDepth;
    if (fCriticalSection != nullptr)
        gDAE.FicLeaveCriticalSection(fCriticalSection);
    return depth;
}

// ---- Types

void CProcessGroup::AddProcessType(CProcessType* type)
{
    std::unique_ptr<CProcessType> owned(static_cast<CProcessType*>(FailNIL(type)));
    ThrowOnErr(owned->Initialize());
    fTypes.push_back(std::move(owned));
}

void CProcessGroup::SortProcessTypeObjects()
{
    std::stable_partition(fTypes.begin(), fTypes.end(), [](const auto& type) { return type->IsVisible(); });
}

void CProcessGroup::InitProcessTypeObjects()
{
    SInt16 index = 1;
    for (const auto& type : fTypes)
    {
        type->SetProcessGroup(this);
        type->SetTypeIndex(index++);
    }
}

CProcessType* CProcessGroup::FindProcessType(OSType type) const
{
    const auto found = std::find_if(fTypes.begin(), fTypes.end(),
                                    [type](const auto& candidate) { return candidate->GetPlugInOSType() == type; });
    return found != fTypes.end() ? found->get() : nullptr;
}

CProcessType& CProcessGroup::GetProcessType(OSType type) const
{
    CProcessType* found = FindProcessType(type);
    if (found == nullptr)
        throw CDAEError(kDAE_NoSuchProcessType);
    return *found;
}

CProcessType* CProcessGroup::GetProcessTypeFromIndex(SInt32 typeIndex) const
{
    if (typeIndex < 1 || size_t(typeIndex) > fTypes.size())
        return nullptr;
    return fTypes[size_t(typeIndex - 1)].get();
}

ComponentResult CProcessGroup::GetNumProcessTypes(SInt16* count)
{
    *count = SInt16(std::count_if(fTypes.begin(), fTypes.end(), [](const auto& type) { return type->IsVisible(); }));
    return 0;
}

ComponentResult CProcessGroup::EnablePlugInType(SInt32 kind)
{
    bool changed = false;
    for (const auto& type : fTypes)
        changed = type->EnablePlugInType(kind) || changed;
    if (changed)
    {
        SortProcessTypeObjects();
        InitProcessTypeObjects();
    }
    return 0;
}

ComponentResult CProcessGroup::SetSampleRate(SInt32 rate)
{
    fTiming.fSampleRate = rate;
    return ForEachFirstFailure(fTypes, [rate](CProcessType& type) { return type.SetSampleRate(rate); });
}

ComponentResult CProcessGroup::SetDitherBits(SInt32 bits)
{
    return ForEachFirstFailure(fTypes, [bits](CProcessType& type) { return type.SetDitherBits(bits); });
}

// ---- Processes

void CProcessGroup::FirstProcessComing()
{
    sPreviousResourceFile = UseResourceFile();
    MakeResourceFileCurrent(sPreviousResourceFile);
}

void CProcessGroup::LastProcessGone()
{
    FreeFicObjects();
    RestoreResourceFile(sPreviousResourceFile);
}

ComponentResult CProcessGroup::InstantiateProcess(OSType type, SInt32* processIndex)
{
    CProcessType& processType = GetProcessType(type);
    if (gOurFicServer == nullptr)
    {
        const SInt16 result = gDAE.InitFic();
        if (result != 0)
            return result;
        CreateFicObjects();
    }
    if (fNumProcesses == 0)
        FirstProcessComing();
    ComponentResult result = kDAE_UnexpectedException;
    try
    {
        result = processType.InstantiateProcess(processIndex);
    }
    catch (...)
    {
        if (fNumProcesses == 0)
            LastProcessGone();
        throw;
    }
    if (result == 0)
    {
        ++gInstanciationNum;
        ++fNumProcesses;
    }
    else if (fNumProcesses == 0)
        LastProcessGone();
    return result;
}

ComponentResult CProcessGroup::FreeProcess(OSType type, SInt32 processIndex)
{
    const ComponentResult result = GetProcessType(type).FreeProcess(processIndex);
    if (result != 0)
        return result;
    if (--fNumProcesses == 0)
        LastProcessGone();
    return 0;
}
