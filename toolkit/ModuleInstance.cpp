#include "ModuleInstance.h"

#include <dlfcn.h>

#include <string_view>

namespace
{
void* moduleInstance = nullptr;

std::string parentOf(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

bool endsWith(std::string_view text, std::string_view suffix)
{
    return text.size() > suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}
} // namespace

void setModuleInstance(void* handle)
{
    moduleInstance = handle;
}

void* getModuleInstance()
{
    return moduleInstance;
}

std::string bundleResourceFolderOf(const void* addressInLibrary)
{
    Dl_info info{};
    if (addressInLibrary == nullptr || dladdr(addressInLibrary, &info) == 0 || info.dli_fname == nullptr)
        return {};
    std::string bundle = info.dli_fname;
    for (int level = 0; level < 3 && !bundle.empty(); ++level)
        bundle = parentOf(bundle);
    return endsWith(bundle, ".bundle") ? bundle + "/Contents/Resources" : std::string();
}
