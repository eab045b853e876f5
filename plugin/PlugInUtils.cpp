// The host bridge. Texts handed to callbacks belong to the plug-in and live for the call.
#include "plugin/PlugInUtils.h"

#include <cstring>

#include "platform/GlobalHeap.h"

namespace zor {

namespace {
constexpr const char* DoneText = "Done";
}  // namespace

HostCallbacks& Host() {
    static HostCallbacks callbacks;
    return callbacks;
}

char* NewHostString(std::string_view text) {
    char* block = GlobalAlloc(text.size() + 1);
    std::memcpy(block, text.data(), text.size());
    block[text.size()] = '\0';
    return block;
}

void SetHostString(char** target, std::string_view text) {
    FreeHostString(target);
    *target = NewHostString(text);
}

void FreeHostString(char** target) noexcept {
    if (*target != nullptr) GlobalFree(*target);
    *target = nullptr;
}

std::string BracketedName(std::string_view name) {
    std::string full;
    full.reserve(name.size() + 2);
    full += '[';
    full += name;
    full += ']';
    return full;
}

bool SetHostVariable(const std::string& fullName, const char* value) {
    const HostSetVariableProc set = Host().SetVariable;
    if (set == nullptr) return false;
    set(fullName.c_str(), value);
    return true;
}

char* GetVariableForCompanion(const char* name) {
    // The host's block is released however the copy ends.
    struct HostBlock {
        char* text = nullptr;
        ~HostBlock() { FreeHostString(&text); }
    } value;
    if (Host().GetVariable != nullptr) Host().GetVariable(name != nullptr ? name : "", &value.text);
    return NewHostString(value.text != nullptr ? std::string_view(value.text) : std::string_view());
}

char* SetVariableForCompanion(const char* name, const char* value) {
    if (Host().SetVariable != nullptr)
        Host().SetVariable(name != nullptr ? name : "", value != nullptr ? value : "");
    return NewHostString(DoneText);
}

char* PlayScriptForCompanion(const char* script) {
    if (Host().PlayScript != nullptr) Host().PlayScript(script != nullptr ? script : "");
    return NewHostString(DoneText);
}

}  // namespace zor
