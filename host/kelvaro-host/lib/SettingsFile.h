#pragma once
// A plug-in's settings as the host keeps them in a file: the chunks the process gave, whole
// (header in the machine's byte order, then the plug-in's data), after a short signature.

#include <string>
#include <vector>

#include "CHostProcess.h"

namespace SettingsFile
{
// Throw std::runtime_error naming the file and what is wrong with it.
void Write(const std::string& path, const std::vector<ChunkBytes>& chunks);
std::vector<ChunkBytes> Read(const std::string& path);
} // namespace SettingsFile
