// The module the toolkit is running in: the plug-in sets its instance handle before it makes an
// editor, and bitmaps are looked up in that module's bundle.
#pragma once

#include <string>

void setModuleInstance(void* handle);
void* getModuleInstance();

// "<bundle>/Contents/Resources" when the library holding the address lies three path levels
// below a folder named "*.bundle" (<bundle>/Contents/<platform>/<library>); empty otherwise.
std::string bundleResourceFolderOf(const void* addressInLibrary);
