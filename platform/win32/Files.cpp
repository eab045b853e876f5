// File attributes, full path names and the current directory through the Windows API.
#include "platform/Files.h"

#include <windows.h>

#include <vector>

namespace zor {

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::string AbsolutePath(const std::string& path) {
    const DWORD needed = GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return path;
    std::vector<char> buffer(needed);
    const DWORD length = GetFullPathNameA(path.c_str(), needed, buffer.data(), nullptr);
    if (length == 0 || length >= needed) return path;
    return std::string(buffer.data(), length);
}

std::optional<std::string> CurrentDirectory() {
    for (;;) {
        const DWORD needed = GetCurrentDirectoryA(0, nullptr);
        if (needed == 0) return std::nullopt;
        std::vector<char> buffer(needed);
        const DWORD length = GetCurrentDirectoryA(needed, buffer.data());
        if (length == 0) return std::nullopt;
        // The directory may have changed between the two calls.
        if (length < needed) return std::string(buffer.data(), length);
    }
}

bool ChangeDirectory(const std::string& path) { return !path.empty() && SetCurrentDirectoryA(path.c_str()); }

}  // namespace zor
