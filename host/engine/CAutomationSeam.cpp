#include "CAutomationSeam.h"

#include <cstring>

#include "FicExports.h"

CAutomationSeam::CAutomationSeam()
    : fServer(FicNewServer()),
      fTask(FicNewObject(fServer, FicFindStandardType(fServer, kFicTokenTaskObjectType)))
{
    for (OSType subType : {kTokenControlValue, kTokenTouch, kTokenGIAC})
        Listen(kTokenSetValue, subType);
    Listen(kTokenCurrentValue, kTokenControlValue);
}

CAutomationSeam::~CAutomationSeam()
{
    for (FicObjectRef listener : fListeners)
        FicDelete(listener);
    FicDelete(fTask);
    FicDelete(fServer);
}

// Every token of the kind, to whichever name it is addressed, and all of them.
void CAutomationSeam::Listen(OSType type, OSType subType)
{
    FicObjectRef listener = FicNewObject(fServer, FicFindStandardType(fServer, kFicListenerObjectType));
    FicSDSSetListenerType(listener, type);
    FicSDSSetListenerSubType(listener, subType);
    FicSDSSetListenerTask(listener, fTask);
    fListeners.push_back(listener);
}

std::optional<std::vector<Byte>> CAutomationSeam::NextToken()
{
    SFicSDSToken* token = nullptr;
    FicSDSGetTokenAndTaskVal(fTask, nullptr, nullptr, &token);
    if (token == nullptr)
        return std::nullopt;
    const Byte* bytes = reinterpret_cast<const Byte*>(token);
    std::vector<Byte> copy(bytes, bytes + token->fSize);
    FicSDSDoneWithToken(token);
    return copy;
}

SInt16 CAutomationSeam::SendCurrentValue(FicSDSNameId control, SInt32 value)
{
    const SFicSDSValueToken token = MakeValueToken(control, kTokenCurrentValue, value);
    return FicSDSDispatchToken(&token.fHead);
}

SInt16 CAutomationSeam::RequestCurrentValue(FicSDSNameId control)
{
    const SFicSDSValueToken token = MakeValueToken(control, kTokenGetValue, 0);
    return FicSDSDispatchToken(&token.fHead);
}

SInt16 CAutomationSeam::SendHighlight(FicSDSNameId control, bool highlighted, SInt16 style,
                                      SInt16 color, const char* text)
{
    SFicSDSHighlightToken token{};
    token.fHead = MakeTokenHead(control, kTokenSetValue, kTokenHighlight, sizeof token);
    token.fHighlighted = highlighted ? 1 : 0;
    token.fStyle = style;
    token.fColor = color;
    std::strncpy(token.fText, text, sizeof token.fText - 1);
    return FicSDSDispatchToken(&token.fHead);
}
