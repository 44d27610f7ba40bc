#pragma once
// The control token exchanged with the host's token service: a packed record in the
// processor's byte order, a 38-byte head and a payload.

#include <cstring>

#include "FicInterface.h"

constexpr OSType kTokenSetValue = FourCC("SETV");
constexpr OSType kTokenGetValue = FourCC("GETV");
constexpr OSType kTokenCurrentValue = FourCC("CURV");

constexpr OSType kTokenControlValue = FourCC("CAVL");
constexpr OSType kTokenTouch = FourCC("CTCH");
constexpr OSType kTokenHighlight = FourCC("CHIL");
constexpr OSType kTokenGIAC = FourCC("GIAC");

constexpr OSType kTokenManufacturer = FourCC("DGDN");
constexpr OSType kTokenProtocol = FourCC("Ctrl");

#pragma pack(push, 1)
struct SFicSDSToken
{
    FicSDSNameId fTarget;
    OSType fType;
    OSType fSubType;
    OSType fManufacturer;
    OSType fProtocol;
    FicSDSNameId fTargetAgain;
    SInt32 fReserved[2];
    SInt32 fNotSetBySender;
    UInt16 fSize;  // the whole token, head and payload
};

struct SFicSDSValueToken
{
    SFicSDSToken fHead;
    SInt32 fValue;
};

struct SFicSDSTouchToken
{
    SFicSDSToken fHead;
    SInt16 fTouched;
    SInt32 fOne;
};

struct SFicSDSHighlightToken
{
    SFicSDSToken fHead;
    SInt16 fHighlighted;
    SInt16 fStyle;
    char fText[12];
    SInt16 fColor;
};
#pragma pack(pop)

static_assert(sizeof(SFicSDSToken) == 38);
static_assert(sizeof(SFicSDSValueToken) == 42);
static_assert(sizeof(SFicSDSTouchToken) == 44);
static_assert(sizeof(SFicSDSHighlightToken) == 56);

inline SFicSDSToken MakeTokenHead(FicSDSNameId target, OSType type, OSType subType, UInt16 size)
{
    SFicSDSToken head{};
    head.fTarget = head.fTargetAgain = target;
    head.fType = type;
    head.fSubType = subType;
    head.fManufacturer = kTokenManufacturer;
    head.fProtocol = kTokenProtocol;
    head.fSize = size;
    return head;
}

inline SFicSDSValueToken MakeValueToken(FicSDSNameId target, OSType type, SInt32 value)
{
    return {MakeTokenHead(target, type, kTokenControlValue, sizeof(SFicSDSValueToken)), value};
}

inline SFicSDSTouchToken MakeTouchToken(FicSDSNameId target, bool touched)
{
    return {MakeTokenHead(target, kTokenSetValue, kTokenTouch, sizeof(SFicSDSTouchToken)),
            SInt16(touched ? 1 : 0), 1};
}

// A received token viewed as a longer record, when it is long enough to be one.
template <typename Record>
bool ReadTokenAs(const SFicSDSToken& token, Record& record)
{
    if (token.fSize < sizeof(Record))
        return false;
    std::memcpy(&record, &token, sizeof(Record));
    return true;
}
