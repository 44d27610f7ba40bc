#pragma once
// A process's entries in the host's token service, per control index (entry 0 unused): the
// control's reserved name, its three listeners, its touch count and the context handed back
// with each of its tokens.

#include <cstddef>
#include <vector>

#include "FicInterface.h"

class CProcess;

struct SListenerContext
{
    CProcess* process;
    SInt32 controlIndex;
};

enum EControlListener
{
    eCurrentValueListener,
    eGetValueListener,
    eHighlightListener,
    eNumControlListeners
};

struct SControlEntry
{
    FicSDSNameId nameId = 0;
    FicObjectRef listeners[eNumControlListeners] = {};
    SInt32 touchCount = 0;
    SListenerContext context = {};
};

class CControlRegistry
{
public:
    CControlRegistry(CProcess* process, SInt32 numControls);

    SInt32 GetNumControls() const { return SInt32(fEntries.size()) - 1; }
    bool Holds(SInt32 index) const { return index >= 1 && index <= GetNumControls(); }
    // For an index the registry holds.
    SControlEntry& operator[](SInt32 index) { return fEntries[size_t(index)]; }

private:
    std::vector<SControlEntry> fEntries;
};
