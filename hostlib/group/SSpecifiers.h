#pragma once
// The leading arguments of routines whose argument lists are too long for one call record.

#include "HostTypes.h"

struct SProcessSpecifier
{
    OSType fType;
    SInt32 fProcessIndex;
};

struct SControlSpecifier
{
    OSType fType;
    SInt32 fProcessIndex;
    SInt32 fControlIndex;
};

struct SParamSpecifier
{
    OSType fType;
    SInt32 fProcessIndex;
    SInt32 fPort;
    Boolean fIsInput;
};

// The variant of a related type that is wanted: its plug-in kind, channel counts and stem formats.
struct SStemSpecifier
{
    SInt32 fPlugInKind;
    SInt32 fInputs;
    SInt32 fOutputs;
    SInt32 fInputStem;
    SInt32 fOutputStem;
};
