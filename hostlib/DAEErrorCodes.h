#pragma once
// Host error codes the library answers.

#include "HostTypes.h"

constexpr ComponentResult kDAE_NoError = 0;
constexpr ComponentResult kDAE_NilObject = -7053;            // an object could not be made
constexpr ComponentResult kDAE_InvalidControlIndex = -7300;  // no such control
constexpr ComponentResult kDAE_ControlInfoNotSupported = -7304;
