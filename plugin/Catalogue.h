// The action catalogue, the settings file beside the plug-in, and the plug-in's identity.
#pragma once

#include <cstdint>
#include <string>

namespace zor {

struct TActionCatalogue {
    std::string GroupLabels[3];          // 1 and 2
    std::string ActionNames[11];         // by action ID, 1 to 10
    int32_t ParamCounts[11] = {};        // by action ID, 1 to 10
    std::string ActionDescriptions[11];  // by action ID, 1 to 10
};

// Empty until the first registration.
TActionCatalogue& ActionCatalogue();

inline constexpr const char* PlugInTitle = "zorRuby 1.03";
inline constexpr const char* PlugInAuthor = "T.R.Velmont";

// The whole path of the plug-in's own file.
const std::string& PlugInFilePath();
// The plug-in's path with its extension replaced by ".ini".
std::string SettingsPath();
std::string SettingsPathFor(const std::string& pluginPath);

// The hint the host shows, from the settings file or its defaults.
std::string PlugInHint();

// Fills the catalogue from the settings file and registers the groups and actions with the
// host, when it has handed over its registration callback.
void RegisterCatalogue();

}  // namespace zor
