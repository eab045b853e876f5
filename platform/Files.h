// The file system: existence of files and the process's current directory.
#pragma once

#include <optional>
#include <string>

namespace zor {

// True when the path names a file that is not a folder.
bool FileExists(const std::string& path);

// The whole current directory, or nothing when it cannot be read.
std::optional<std::string> CurrentDirectory();
bool SetCurrentDirectory(const std::string& path);

}  // namespace zor
