#pragma once
// `kelvaro-host run`: the stereo type inserted, its settings restored and changed as a user
// would, the audio rendered on the engine's real-time thread while the main thread gives idle
// time, the processed audio and the settings written, and what the host knows printed.

#include <ostream>

#include "HostCommand.h"

// Throws CHostError or std::runtime_error; usage errors are found before.
void RunPlugIn(const SHostCommand& command, std::ostream& out);
