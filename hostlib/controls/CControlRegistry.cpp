#include "CControlRegistry.h"

CControlRegistry::CControlRegistry(CProcess* process, SInt32 numControls)
    : fEntries(size_t(numControls > 0 ? numControls : 0) + 1)
{
    for (size_t index = 0; index < fEntries.size(); ++index)
        fEntries[index].context = SListenerContext{process, SInt32(index)};
}
