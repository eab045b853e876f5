// The dynamic loader's operations behind the library interface.
#include "platform/DynamicLibrary.h"

#include <dlfcn.h>

namespace zor {

std::string LibraryFileOf(const void* address) {
    Dl_info info{};
    if (dladdr(address, &info) == 0 || info.dli_fname == nullptr) return {};
    return info.dli_fname;
}

void* OpenLoadedLibrary(const std::string& file) { return dlopen(file.c_str(), RTLD_LAZY | RTLD_NOLOAD); }

void* OpenLibrary(const std::string& path, std::string& reason) {
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        const char* error = dlerror();
        reason = error != nullptr ? error : "unknown reason";
    }
    return library;
}

void* LibrarySymbol(void* library, const char* name) { return dlsym(library, name); }

void* BoundSymbol(const char* name) { return dlsym(RTLD_DEFAULT, name); }

void ReleaseLibrary(void* library) {
    if (library != nullptr) dlclose(library);
}

}  // namespace zor
