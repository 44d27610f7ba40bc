#include "CSharedDataNamespace.h"

#include <vector>

#include "FicErrors.h"

CSharedDataNamespace::CSharedDataNamespace()
{
    fEntries[kRootId] = SEntry{0, "", 1};
}

FicSDSNameId CSharedDataNamespace::ParentOf(FicSDSNameId parent) const
{
    return parent == 0 ? kRootId : parent;
}

FicSDSNameId CSharedDataNamespace::Find(FicSDSNameId parent, const char* name) const
{
    if (ParentOf(parent) == kRootId && *name == '\0')
        return kRootId;
    const auto found = fIds.find(Key(ParentOf(parent), name));
    return found == fIds.end() ? 0 : found->second;
}

SInt16 CSharedDataNamespace::ReserveName(FicSDSNameId parent, const char* name, FicSDSNameId* id)
{
    std::lock_guard lock(fMutex);
    if (name == nullptr || id == nullptr || fEntries.count(ParentOf(parent)) == 0)
        return kFicBadArgument;
    FicSDSNameId existing = Find(parent, name);
    if (existing != 0)
    {
        ++fEntries[existing].reservations;
        *id = existing;
        return kFicNoError;
    }
    const FicSDSNameId newId = fNextId++;
    fEntries[newId] = SEntry{ParentOf(parent), name, 1};
    fIds[Key(ParentOf(parent), name)] = newId;
    *id = newId;
    return kFicNoError;
}

SInt16 CSharedDataNamespace::GetNameId(FicSDSNameId parent, const char* name, FicSDSNameId* id)
{
    std::lock_guard lock(fMutex);
    if (name == nullptr || id == nullptr)
        return kFicBadArgument;
    *id = Find(parent, name);
    return *id != 0 ? kFicNoError : kFicNameNotFound;
}

SInt16 CSharedDataNamespace::FreeName(FicSDSNameId parent, const char* name)
{
    std::lock_guard lock(fMutex);
    const FicSDSNameId id = name != nullptr ? Find(parent, name) : parent;
    if (id == 0 || id == kRootId || fEntries.count(id) == 0)
        return kFicNameNotFound;
    if (--fEntries[id].reservations == 0)
        Remove(id);
    return kFicNoError;
}

void CSharedDataNamespace::Remove(FicSDSNameId id)
{
    std::vector<FicSDSNameId> children;
    for (const auto& [childId, entry] : fEntries)
        if (entry.parent == id)
            children.push_back(childId);
    for (FicSDSNameId child : children)
        Remove(child);
    const SEntry& entry = fEntries[id];
    fIds.erase(Key(entry.parent, entry.name));
    fEntries.erase(id);
}

bool CSharedDataNamespace::Describe(FicSDSNameId id, std::string* name, FicSDSNameId* parent)
{
    std::lock_guard lock(fMutex);
    const auto found = fEntries.find(id);
    if (found == fEntries.end())
        return false;
    *name = found->second.name;
    *parent = found->second.parent;
    return true;
}
