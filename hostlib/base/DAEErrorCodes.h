#pragma once
// Host error codes the library answers.

#include "HostTypes.h"

constexpr ComponentResult kDAE_NoError = 0;
constexpr ComponentResult kDAE_BadArgument = -50;             // a null pointer where a value is needed
constexpr ComponentResult kDAE_NoEffectType = -77;            // no effect type at that index; an unexpected process class
constexpr ComponentResult kDAE_NotProvided = -7000;
constexpr ComponentResult kDAE_NilObject = -7053;             // an object could not be made
constexpr ComponentResult kDAE_NoRelatedType = -7055;
constexpr ComponentResult kDAE_ServicesTooOld = -7060;
constexpr ComponentResult kDAE_NoCriticalSection = -7075;
constexpr ComponentResult kDAE_ChunkEmpty = -7083;
constexpr ComponentResult kDAE_InputConnected = -7100;
constexpr ComponentResult kDAE_OutputConnected = -7101;
constexpr ComponentResult kDAE_FormatNotAccepted = -7104;
constexpr ComponentResult kDAE_PortOutOfRange = -7106;
constexpr ComponentResult kDAE_PortNotConnected = -7107;
constexpr ComponentResult kDAE_NoSuchProcessType = -7125;
constexpr ComponentResult kDAE_NoSuchProcess = -7126;
constexpr ComponentResult kDAE_InputCountFixed = -7152;
constexpr ComponentResult kDAE_OutputCountFixed = -7153;
constexpr ComponentResult kDAE_NoSuchChunk = -7157;           // also: a chunk of another maker or product
constexpr ComponentResult kDAE_InvalidControlIndex = -7300;  // no such control
constexpr ComponentResult kDAE_ControlInfoNotSupported = -7304;
constexpr ComponentResult kDAE_UnexpectedException = -7401;
constexpr ComponentResult kDAE_OutOfMemory = -9006;
constexpr ComponentResult kDAE_NoSuchRoutine = -9007;
