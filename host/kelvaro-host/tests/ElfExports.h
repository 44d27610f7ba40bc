#pragma once
// The symbols a shared library defines in its dynamic symbol table, read from the ELF file.

#include <set>
#include <string>

// Empty when the file is not a 64-bit ELF file.
std::set<std::string> DefinedDynamicSymbols(const std::string& path);
