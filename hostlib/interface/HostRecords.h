#pragma once
// Records the host passes to plug-in routines. Fields keep the host's order and widths; a field
// the host keeps a pointer in is pointer-sized here.

#include "HostTypes.h"

struct OpaqueGrafPort;
using GrafPtr = OpaqueGrafPort*;  // the host window's graphics port

// The host's event record (idle, mouse and key routines).
struct EventRecord
{
    UInt16 what;
    UInt32 message;
    UInt32 when;
    Point where;
    UInt16 modifiers;
};

// Time-code position: frame rate in the first byte, frame offset in the long at byte 2.
#pragma pack(push, 2)
struct STimeCodeInfo
{
    Byte fFrameRate;
    Byte fReserved;
    SInt32 fFrameOffset;
};
#pragma pack(pop)
static_assert(sizeof(STimeCodeInfo) == 6);

// The sample format of a connection.
struct SConnectionFormat
{
    SInt16 fReserved;
    SInt16 fFormat;
    SInt16 fWordSize;
    SInt16 fInterleave;
    float fSampleRate;
};
static_assert(sizeof(SConnectionFormat) == 12);

// The host's description of a plug-in type: who made it and which type it is, then host words.
struct SPlugInSpec
{
    OSType fManufacturerID;
    OSType fProductID;
    OSType fTypeID;
    SInt32 fHostWords[10];
};
static_assert(sizeof(SPlugInSpec) == 13 * 4);

// What identifies one real-time process to the host engine.
struct SPlugInIDRecord
{
    OSType fManufacturerID;
    OSType fProductID;
    OSType fTypeID;
    SInt32 fMultiShellContext;
    SInt32 fProcessIndex;
};

// Host records the library hands on or ignores without reading them.
struct SRampRegion;
struct SAutoEventList;
struct SDragData;
struct SFilePathList;
struct SRegionList;
using HostCallback = void (*)();
