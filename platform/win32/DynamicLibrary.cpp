// The Windows loader behind the library interface.
#include "platform/DynamicLibrary.h"

#include <windows.h>

#include <vector>

namespace zor {

namespace {

std::string ModuleFileName(HMODULE module) {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameA(module, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

std::string ErrorText(DWORD code) {
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string reason = length != 0 && text != nullptr ? std::string(text, length) : std::string();
    if (text != nullptr) LocalFree(text);
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' || reason.back() == ' '))
        reason.pop_back();
    if (reason.empty()) reason = "error " + std::to_string(code);
    return reason;
}

}  // namespace

std::string LibraryFileOf(const void* address) {
    HMODULE module = nullptr;
    if (!GetModuleHandleExA(
            GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            static_cast<const char*>(address), &module))
        return {};
    return ModuleFileName(module);
}

// With the altered search path, as the loader finds a library's own dependencies; a library
// already in the process is found by its name without a search.
void* OpenLoadedLibrary(const std::string& file) {
    return reinterpret_cast<void*>(LoadLibraryExA(file.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
}

void* OpenLibrary(const std::string& path, std::string& reason) {
    HMODULE library = LoadLibraryA(path.c_str());
    if (library == nullptr) reason = ErrorText(GetLastError());
    return reinterpret_cast<void*>(library);
}

void* LibrarySymbol(void* library, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

// A Windows program reaches a library's variables through the library's own export, never
// through a copy.
void* BoundSymbol(const char*) { return nullptr; }

void ReleaseLibrary(void* library) {
    if (library != nullptr) FreeLibrary(static_cast<HMODULE>(library));
}

}  // namespace zor
