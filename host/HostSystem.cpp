// The host's operating-system calls: the C heap and /proc on POSIX systems, the global heap
// and the module table on Windows.
#include "host/HostSystem.h"

#include <cstring>

#if defined(_WIN32)
#include <io.h>
#include <windows.h>

#include <vector>
#else
#include <unistd.h>

#include <climits>
#include <cstdlib>
#endif

namespace zorhost {

#if defined(_WIN32)

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

bool InputIsTerminal() { return _isatty(0) != 0; }

#else

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

bool InputIsTerminal() { return isatty(STDIN_FILENO) != 0; }

#endif

char* NewHostString(const std::string& text) {
    char* block = HostBlock(text.size() + 1);
    if (block != nullptr) std::memcpy(block, text.c_str(), text.size() + 1);
    return block;
}

}  // namespace zorhost
