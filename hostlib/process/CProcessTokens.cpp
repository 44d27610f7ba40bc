// Value changes, touches and releases. With a token task they pass through the host's
// automation engine as tokens addressed to the control's reserved name; DoTokenIdle serves
// the tokens the host sends back.

#include <algorithm>
#include <cstring>

#include "CProcess.h"
#include "DAECalls.h"
#include "DAEErrorCodes.h"
#include "FicTokenGlobals.h"
#include "SystemTicks.h"

namespace
{
constexpr UInt32 kTokenIdleTicks = 2;

// Hands a fetched token back to the service however its handling ends.
class CTokenLoan
{
public:
    explicit CTokenLoan(SFicSDSToken* token) : fToken(token) {}
    ~CTokenLoan() { gDAE.FicSDSDoneWithToken(fToken); }
    CTokenLoan(const CTokenLoan&) = delete;
    CTokenLoan& operator=(const CTokenLoan&) = delete;

private:
    SFicSDSToken* fToken;
};
} // namespace

// ---- Sending

SInt16 CProcess::SendValueToken(SInt32 index, OSType type, SInt32 value)
{
    const SFicSDSValueToken token = MakeValueToken(fRegistry[index].nameId, type, value);
    return gDAE.FicSDSDispatchToken(&token.fHead);
}

SInt16 CProcess::SendTouchToken(SInt32 index, bool touched)
{
    const SFicSDSTouchToken token = MakeTouchToken(fRegistry[index].nameId, touched);
    return gDAE.FicSDSDispatchToken(&token.fHead);
}

SInt16 CProcess::SendGIACToken()
{
    const SFicSDSToken token = MakeTokenHead(fNamespaceRootId, kTokenSetValue, kTokenGIAC, sizeof(SFicSDSToken));
    return gDAE.FicSDSDispatchToken(&token);
}

// ---- Changing values

ComponentResult CProcess::SetControlValue(SInt32 index, SInt32 value)
{
    if (!HasTokenTask())
    {
        if (fControls.IsValidControlIndex(index))
        {
            UpdateControlValue(index, value);
            UpdateControlGraphic(index, value);
        }
        return 0;
    }
    if (!fRegistry.Holds(index))
        return kDAE_InvalidControlIndex;
    TouchControl(index);
    const SInt16 result = SendValueToken(index, kTokenSetValue, value);
    ReleaseControl(index);
    return result;
}

ComponentResult CProcess::UpdateControlValue(SInt32 index, SInt32 value)
{
    if (CPluginControl* control = FindControl(index))
    {
        control->SetValue(value);
        UpdateControlValueInAlgorithm(index);
    }
    ComponentResult result = 0;
    if (IsRegistered(index))
        result = SendValueToken(index, kTokenCurrentValue, value);
    fNumChanges = SInt32(UInt32(fNumChanges) + 1);
    return result;
}

ComponentResult CProcess::SetControlRelative(SInt32 index, SInt32 delta)
{
    SInt32 value = 0;
    GetControlValue(index, &value);
    SetControlValue(index, AddControlValueSaturating(value, delta));
    return 0;
}

ComponentResult CProcess::UpdateControlRelative(SInt32 index, SInt32 delta)
{
    SInt32 value = 0;
    GetControlValue(index, &value);
    UpdateControlValue(index, AddControlValueSaturating(value, delta));
    return 0;
}

// Nested touches of a control send one touch and one release. A release of an untouched
// control is ignored, so it cannot swallow the next touch.
ComponentResult CProcess::TouchControl(SInt32 index)
{
    if (!IsRegistered(index))
        return 0;
    SInt32& touchCount = fRegistry[index].touchCount;
    if (touchCount == 0)
    {
        SendTouchToken(index, true);
        SendGIACToken();
    }
    ++touchCount;
    return 0;
}

ComponentResult CProcess::ReleaseControl(SInt32 index)
{
    if (!IsRegistered(index) || fRegistry[index].touchCount <= 0)
        return 0;
    if (--fRegistry[index].touchCount == 0)
        SendTouchToken(index, false);
    return 0;
}

// ---- Texts

ComponentResult CProcess::MapControlValToString(SInt32 index, SInt32 value, char* out, SInt32 maxLen)
{
    if (maxLen >= 100)
        maxLen -= 100;
    maxLen = std::clamp<SInt32>(maxLen, 0, 255);
    if (const CPluginControl* control = FindControl(index))
    {
        control->GetValueString(out, maxLen, value);
        return 0;
    }
    unsigned char text[256] = {};
    GetValueString(index, value, text, maxLen);
    const size_t length = std::min<size_t>(text[0], size_t(maxLen));
    std::memcpy(out, text + 1, length);
    out[length] = '\0';
    return 0;
}

// ---- Tokens from the host

SInt16 CProcess::DoTokenIdle()
{
    if (!HasTokenTask())
        return 0;
    const UInt32 start = TickCount();
    while (TickCount() - start < kTokenIdleTicks)
    {
        SFicSDSToken* token = nullptr;
        FicTaskValue taskValue = nullptr;
        SInt32 tokenSize = 0;
        gDAE.FicSDSGetTokenAndTaskVal(gOurTokenTask, &tokenSize, &taskValue, &token);
        if (token == nullptr)
            break;
        CTokenLoan loan(token);
        const auto* context = static_cast<const SListenerContext*>(taskValue);
        if (context != nullptr)
            context->process->HandleQueuedToken(context->controlIndex, *token);
        else
            HandleToken(token);
    }
    return gDAE.FicPersonalityDoIdle();
}

void CProcess::HandleQueuedToken(SInt32 index, const SFicSDSToken& token)
{
    SFicSDSValueToken value{};
    SFicSDSHighlightToken highlight{};
    if (token.fType == kTokenCurrentValue && token.fSubType == kTokenControlValue && ReadTokenAs(token, value))
        UpdateControlGraphic(index, value.fValue);
    else if (token.fType == kTokenGetValue && token.fSubType == kTokenControlValue && IsRegistered(index))
    {
        SInt32 current = 0;
        GetControlValue(index, &current);
        SendValueToken(index, kTokenCurrentValue, current);
    }
    else if (token.fType == kTokenSetValue && token.fSubType == kTokenHighlight && ReadTokenAs(token, highlight))
    {
        char text[sizeof highlight.fText + 1] = {};
        std::memcpy(text, highlight.fText, sizeof highlight.fText);
        UpdateHighlight(index, highlight.fHighlighted, highlight.fColor, highlight.fStyle, text);
    }
    else
        HandleToken(&token);
}

ComponentResult CProcess::HandleToken(const SFicSDSToken*)
{
    return 0;
}
