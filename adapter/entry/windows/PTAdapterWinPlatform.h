#pragma once
// What the Windows entry asks of the operating system and of the host's libraries. The Windows
// module defines these over the system's module functions, the loaded engine library and the
// host platform library's resource-file operations; tests define recording stand-ins.

#include "HostTypes.h"
#include "ResourceByteOrder.h"

using PTAdapterWinProc = void (*)();

// The module's full file path into path, which holds capacity characters with the terminator.
// Answers the characters written without the terminator; capacity when the path was cut short;
// 0 on failure.
SInt32 PTAdapterWinGetModuleFileName(void* module, char* path, SInt32 capacity);

// A module already loaded in the process, by name (never loaded on demand), or null.
void* PTAdapterWinFindLoadedModule(const char* name);
// A procedure of that module by name, or null.
PTAdapterWinProc PTAdapterWinFindProcedure(void* module, const char* name);

// Opens the plug-in's resource file; the callback turns each resource's fields into the
// machine's byte order as it is loaded.
void PTAdapterWinOpenResourceFile(const char* path, PTAdapterResourceByteOrderProc byteOrder);
void PTAdapterWinCloseResourceFile();
