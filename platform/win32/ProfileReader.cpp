// Settings files through the Windows private-profile reader.
#include "platform/ProfileReader.h"

#include <windows.h>

#include "platform/Files.h"

namespace zor {

bool ProfileFile::Load(const std::string& path) {
    text_ = path;
    return FileExists(path);
}

std::string ProfileFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view fallback) const {
    char value[ProfileValueLimit + 1];
    const std::string sectionText(section), keyText(key), fallbackText(fallback);
    const DWORD length = GetPrivateProfileStringA(sectionText.c_str(), keyText.c_str(), fallbackText.c_str(),
                                                  value, sizeof value, text_.c_str());
    return std::string(value, length);
}

}  // namespace zor
