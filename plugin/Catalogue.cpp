// The catalogue and its settings file.
#include "plugin/Catalogue.h"

#include "platform/DynamicLibrary.h"
#include "platform/Files.h"
#include "platform/ProfileReader.h"
#include "plugin/PlugInUtils.h"

namespace zor {

namespace {

constexpr const char* HintWithoutFile = "Plugin for interfacing msvcrt-ruby18.dll from neobook";
constexpr const char* HintDefault = "Plugin for interfacing msvcrt-ruby18.dll >= 8.0.15 from neobook";
constexpr const char* GroupDefaults[3] = {"", "Ruby-Calling", "Sketchup-Calling"};
constexpr const char* ActionNameTexts[4] = {"", "zorRubyConnect", "zorRubyEval", "zorRubySketchupCall"};
constexpr int32_t ActionParamCounts[4] = {0, 1, 3, 4};
constexpr const char* DescriptionDefaults[4] = {
    "",
    "Connect to the ruby-interpreter-DLL.",
    "Call a ruby-function and get a console-output and a return-string.",
    "Call a function in the ModelGate-DLL and return a string value.",
};

constexpr uint8_t KindNone = 0;
constexpr uint8_t KindText = 1;
constexpr uint8_t KindVariable = 6;

// Where the library was loaded from, made absolute while the current directory is still the
// one it was loaded relative to.
std::string LoadedFrom() { return AbsolutePath(LibraryFileOf(reinterpret_cast<const void*>(&LoadedFrom))); }

const std::string PlugInPathAtLoad = LoadedFrom();

// A bar in a settings text stands for a line break.
std::string BarsToLineBreaks(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (c == '|')
            result += "\r\n";
        else
            result += c;
    }
    return result;
}

void AddAction(int32_t id, const std::string& name, const std::string& hint, const uint8_t* kinds,
               int32_t highest, uint8_t count) {
    const HostAddActionProc add = Host().AddAction;
    if (add == nullptr) return;
#if defined(__i386__)
    add(id, name.c_str(), hint.c_str(), count, highest, kinds);
#else
    add(id, name.c_str(), hint.c_str(), kinds, highest, count);
#endif
}

}  // namespace

TActionCatalogue& ActionCatalogue() {
    static TActionCatalogue catalogue;
    return catalogue;
}

const std::string& PlugInFilePath() { return PlugInPathAtLoad; }

std::string SettingsPathFor(const std::string& pluginPath) {
    const size_t slash = LastPathDelimiter(pluginPath);
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const size_t dot = pluginPath.rfind('.');
    if (dot == std::string::npos || dot < nameStart) return pluginPath + ".ini";
    return pluginPath.substr(0, dot) + ".ini";
}

std::string SettingsPath() { return SettingsPathFor(PlugInFilePath()); }

std::string PlugInHint() {
    const std::string path = SettingsPath();
    if (!FileExists(path)) return HintWithoutFile;
    ProfileFile settings;
    settings.Load(path);
    return BarsToLineBreaks(settings.ReadString("PlugInHeader", "PlugInHint", HintDefault));
}

void RegisterCatalogue() {
    TActionCatalogue& catalogue = ActionCatalogue();
    for (int id = 1; id <= 3; ++id) {
        catalogue.ActionNames[id] = ActionNameTexts[id];
        catalogue.ParamCounts[id] = ActionParamCounts[id];
    }
    const std::string path = SettingsPath();
    if (FileExists(path)) {
        ProfileFile settings;
        settings.Load(path);
        catalogue.GroupLabels[1] = settings.ReadString("GroupDescription", "1", GroupDefaults[1]);
        catalogue.GroupLabels[2] = settings.ReadString("GroupDescription", "2", GroupDefaults[2]);
        for (int id = 1; id <= 3; ++id)
            catalogue.ActionDescriptions[id] = BarsToLineBreaks(settings.ReadString(
                "CommandDescription", catalogue.ActionNames[id], DescriptionDefaults[id]));
    } else {
        for (int group = 1; group <= 2; ++group) catalogue.GroupLabels[group] = GroupDefaults[group];
        for (int id = 1; id <= 3; ++id) catalogue.ActionDescriptions[id] = DescriptionDefaults[id];
    }

    static const std::string NoHint;
    static constexpr uint8_t GroupKinds[] = {KindNone};
    static constexpr uint8_t ConnectKinds[] = {KindVariable};
    static constexpr uint8_t EvalKinds[] = {KindText, KindVariable, KindVariable};
    static constexpr uint8_t CallKinds[] = {KindText, KindText, KindText, KindVariable};
    AddAction(0, catalogue.GroupLabels[1], NoHint, GroupKinds, 0, 0);
    AddAction(1, catalogue.ActionNames[1], catalogue.ActionDescriptions[1], ConnectKinds, 0, 1);
    AddAction(2, catalogue.ActionNames[2], catalogue.ActionDescriptions[2], EvalKinds, 2, 3);
    AddAction(0, catalogue.GroupLabels[2], NoHint, GroupKinds, 0, 0);
    AddAction(3, catalogue.ActionNames[3], catalogue.ActionDescriptions[3], CallKinds, 3, 4);
}

}  // namespace zor
