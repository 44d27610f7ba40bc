#pragma once
// The host program's side of control automation: it receives the set-value, touch, release and
// current-value tokens that plug-ins address to their controls' names, and sends current
// values, value requests and highlights back. It holds its own server, task and listeners in the engine.

#include <optional>
#include <vector>

#include "SFicSDSToken.h"

class CAutomationSeam
{
public:
    CAutomationSeam();
    ~CAutomationSeam();
    CAutomationSeam(const CAutomationSeam&) = delete;
    CAutomationSeam& operator=(const CAutomationSeam&) = delete;

    // The bytes of the next token a plug-in sent, in the order sent; none when all are read.
    std::optional<std::vector<Byte>> NextToken();

    SInt16 SendCurrentValue(FicSDSNameId control, SInt32 value);
    SInt16 RequestCurrentValue(FicSDSNameId control);
    SInt16 SendHighlight(FicSDSNameId control, bool highlighted, SInt16 style, SInt16 color,
                         const char* text);

private:
    void Listen(OSType type, OSType subType);

    FicObjectRef fServer;
    FicObjectRef fTask;
    std::vector<FicObjectRef> fListeners;
};
