#pragma once
// What a host can learn of a plug-in before using it: maker, plug-in, every visible type with
// its ids, channels and gestalts, and each type's controls as a process of it shows them.

#include <ostream>

#include "CPlugInModule.h"

void WriteInfoReport(CPlugInModule& module, std::ostream& out);
