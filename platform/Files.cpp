// stat, realpath, getcwd and chdir.
#include "platform/Files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace zor {

bool FileExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

std::string AbsolutePath(const std::string& path) {
    char* absolute = ::realpath(path.c_str(), nullptr);
    if (absolute == nullptr) return path;
    std::string whole(absolute);
    std::free(absolute);
    return whole;
}

std::optional<std::string> CurrentDirectory() {
    std::vector<char> buffer(256);
    for (;;) {
        if (::getcwd(buffer.data(), buffer.size()) != nullptr) return std::string(buffer.data());
        if (errno != ERANGE) return std::nullopt;
        buffer.resize(buffer.size() * 2);
    }
}

bool ChangeDirectory(const std::string& path) { return !path.empty() && ::chdir(path.c_str()) == 0; }

}  // namespace zor
