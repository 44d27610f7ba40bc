#pragma once
// The engine's shared-data namespace: names reserved under a parent name, each with an id that
// stays the same while the name is reserved and is never given to another name. The empty
// name at the top is the namespace root; parent 0 stands for it.

#include <map>
#include <mutex>
#include <string>
#include <utility>

#include "FicInterface.h"

class CSharedDataNamespace
{
public:
    CSharedDataNamespace();

    // Reserving a reserved name again answers its id and needs one more free.
    SInt16 ReserveName(FicSDSNameId parent, const char* name, FicSDSNameId* id);
    SInt16 GetNameId(FicSDSNameId parent, const char* name, FicSDSNameId* id);
    // Frees the name under parent, or parent itself when name is null; a name freed for the
    // last time takes the names under it along.
    SInt16 FreeName(FicSDSNameId parent, const char* name);

    // For the host program: the name of an id and its parent; false for an unknown id.
    bool Describe(FicSDSNameId id, std::string* name, FicSDSNameId* parent);
    FicSDSNameId RootId() const { return kRootId; }

private:
    struct SEntry
    {
        FicSDSNameId parent;
        std::string name;
        SInt32 reservations;
    };
    using Key = std::pair<FicSDSNameId, std::string>;

    static constexpr FicSDSNameId kRootId = 1;

    FicSDSNameId ParentOf(FicSDSNameId parent) const;
    FicSDSNameId Find(FicSDSNameId parent, const char* name) const;
    void Remove(FicSDSNameId id);

    std::mutex fMutex;
    std::map<FicSDSNameId, SEntry> fEntries;
    std::map<Key, FicSDSNameId> fIds;
    FicSDSNameId fNextId = kRootId + 1;
};
