// The file system: existence of files, paths and the process's current directory.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zor {

// The characters that end the folder part of a path: the folder separator, and on Windows
// also the drive's colon.
#if defined(_WIN32)
inline constexpr std::string_view PathDelimiters = "\\:";
#else
inline constexpr std::string_view PathDelimiters = "/";
#endif

// The position of the last delimiter in the path, or npos when it has none.
inline size_t LastPathDelimiter(std::string_view path) { return path.find_last_of(PathDelimiters); }

// True when the path names a file that is not a folder.
bool FileExists(const std::string& path);

// The path made absolute against the current directory; the path itself when that fails.
std::string AbsolutePath(const std::string& path);

// The whole current directory, or nothing when it cannot be read.
std::optional<std::string> CurrentDirectory();
bool ChangeDirectory(const std::string& path);

}  // namespace zor
