// The host's operating-system calls: the dynamic loader and the C heap on POSIX systems, the
// Windows loader and the global heap on Windows.
#include "host/HostSystem.h"

#include <cstring>

#if defined(_WIN32)
#include <io.h>
#include <windows.h>

#include <vector>
#else
#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#endif

namespace zorhost {

#if defined(_WIN32)

void* LoadModule(const std::string& path, std::string& error) {
    HMODULE module = LoadLibraryA(path.c_str());
    if (module == nullptr) error = "error " + std::to_string(GetLastError());
    return reinterpret_cast<void*>(module);
}

void* ModuleEntry(void* module, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name));
}

namespace {
char* HostBlock(size_t bytes) { return static_cast<char*>(GlobalAlloc(GMEM_FIXED, bytes)); }
}  // namespace

void FreeHostString(char* block) {
    if (block != nullptr) GlobalFree(block);
}

std::string ProgramFolder() {
    std::vector<char> buffer(MAX_PATH);
    DWORD length = 0;
    while ((length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()))) ==
           buffer.size())
        buffer.resize(buffer.size() * 2);
    const std::string path(buffer.data(), length);
    return path.substr(0, path.find_last_of("\\/") + 1);
}

std::string WholePath(const std::string& path) {
    char whole[MAX_PATH * 4];
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof whole, whole, nullptr);
    return length != 0 && length < sizeof whole ? std::string(whole, length) : path;
}

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool InputIsTerminal() { return _isatty(0) != 0; }

#else

void* LoadModule(const std::string& path, std::string& error) {
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) error = dlerror();
    return module;
}

void* ModuleEntry(void* module, const char* name) { return dlsym(module, name); }

namespace {
char* HostBlock(size_t bytes) { return static_cast<char*>(std::malloc(bytes)); }
}  // namespace

void FreeHostString(char* block) { std::free(block); }

std::string ProgramFolder() {
    char self[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) return "";
    const std::string path(self, static_cast<size_t>(length));
    return path.substr(0, path.rfind('/') + 1);
}

std::string WholePath(const std::string& path) {
    char* whole = realpath(path.c_str(), nullptr);
    if (whole == nullptr) return path;
    std::string text(whole);
    std::free(whole);
    return text;
}

bool FileExists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

bool InputIsTerminal() { return isatty(STDIN_FILENO) != 0; }

#endif

char* NewHostString(const std::string& text) {
    char* block = HostBlock(text.size() + 1);
    if (block != nullptr) std::memcpy(block, text.c_str(), text.size() + 1);
    return block;
}

}  // namespace zorhost
