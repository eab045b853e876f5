// The host bridge: the callbacks the host hands over, HostString blocks, and host variables.
#pragma once

#include <string>
#include <string_view>

#include "plugin/zorRubyPlugIn.h"

namespace zor {

struct HostCallbacks {
    HostAddActionProc AddAction = nullptr;
    HostAddFileProc AddFile = nullptr;
    HostGetVariableProc GetVariable = nullptr;
    HostSetVariableProc SetVariable = nullptr;
    HostPlayScriptProc PlayScript = nullptr;
    HostInterfaceAccessProc InterfaceAccess = nullptr;
};

// The slots, null at load; each hand-over overwrites its slot.
HostCallbacks& Host();

// Releases the block in *target, if any, then stores a new HostString holding `text` there.
void SetHostString(char** target, std::string_view text);
void FreeHostString(char** target) noexcept;
// A new HostString holding `text`.
char* NewHostString(std::string_view text);

// "[" + name + "]", the host's name of a variable.
std::string BracketedName(std::string_view name);

// Writes a host variable by its full name; false when the host has not handed over its
// setter yet, and then nothing is written.
bool SetHostVariable(const std::string& fullName, const char* value);
inline bool SetHostVariable(const std::string& fullName, const std::string& value) {
    return SetHostVariable(fullName, value.c_str());
}

// The companion exports' work: the host's value of a variable (empty when the host gives
// none), a variable write and a script run, each answered as a new HostString.
char* GetVariableForCompanion(const char* name);
char* SetVariableForCompanion(const char* name, const char* value);
char* PlayScriptForCompanion(const char* script);

// A caller's text: null reads as the empty text.
inline std::string TextOf(const char* text) { return text != nullptr ? std::string(text) : std::string(); }

}  // namespace zor
