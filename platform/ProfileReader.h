// A reader of settings files in the private-profile (INI) form, with that reader's conventions.
#pragma once

#include <string>
#include <string_view>

namespace zor {

// The longest value the reader hands back; longer ones are cut.
inline constexpr size_t ProfileValueLimit = 2047;

class ProfileFile {
public:
    // Reads the whole file; false when it cannot be read.
    bool Load(const std::string& path);
#if !defined(_WIN32)
    void LoadText(std::string text) { text_ = std::move(text); }
#endif

    // The value of `key` in `section`, or `fallback` when either is missing. Section and key
    // names match without regard to letter case; the first match wins; blanks around keys and
    // values are dropped, as are matching quotes around a value; lines starting with ";" are
    // comments.
    std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const;

private:
    // The file's text; on Windows, where the system's reader reads the file, its path.
    std::string text_;
};

}  // namespace zor
