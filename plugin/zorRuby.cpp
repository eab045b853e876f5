// Every exported entry point of the plug-in. Each copies the caller's texts, calls the module
// that does the work and hands back the result; none lets a C++ exception reach the caller.
//
// Export table, by ordinal (kept for builds whose loader has ordinals):
//   1 neobookSetVar  2 neobookGetVar  3 neobookPlayAction  4 zorRubyExec  5 zorRubyCmdList
//   6 nbMessage  7 nbRegisterInterfaceAccess  8 nbRegisterScriptProcessor  9 nbRegisterPlugIn
//   10 nbInitPlugIn  11 nbExecAction
#include <cstring>
#include <string>

#include "plugin/Catalogue.h"
#include "plugin/Commands.h"
#include "plugin/PlugInUtils.h"
#include "plugin/zorRubyPlugIn.h"
#include "ruby/Actions.h"

using namespace zor;

namespace {

constexpr const char* PlugInPathVariable = "[*/*zorRubyDllName]";
constexpr const char* LastErrorName = "[LastError]";

// The host's value that nbInitPlugIn hands over; nothing reads it.
void* HostOpaque = nullptr;

// Runs an entry's work; a failure that reaches this boundary ends the call with `failed`.
template <class Result, class Work>
Result AtBoundary(Result failed, Work work) noexcept {
    try {
        return work();
    } catch (...) {
        return failed;
    }
}

}  // namespace

extern "C" {

ZORRUBY_EXPORT void ZORRUBY_HOSTCALL nbInitPlugIn(void* opaque, char** title, char** author, char** hint) {
    AtBoundary(0, [&] {
        const std::string hintText = PlugInHint();
        HostOpaque = opaque;
        if (title != nullptr) SetHostString(title, PlugInTitle);
        if (author != nullptr) SetHostString(author, PlugInAuthor);
        if (hint != nullptr) SetHostString(hint, hintText);
        return 0;
    });
}

ZORRUBY_EXPORT void ZORRUBY_HOSTCALL nbRegisterPlugIn(HostAddActionProc addAction, HostAddFileProc addFile,
                                                      HostGetVariableProc getVariable,
                                                      HostSetVariableProc setVariable) {
    Host().AddAction = addAction;
    Host().AddFile = addFile;
    Host().GetVariable = getVariable;
    Host().SetVariable = setVariable;
    AtBoundary(0, [] {
        RegisterCatalogue();
        return 0;
    });
}

ZORRUBY_EXPORT void ZORRUBY_HOSTCALL nbRegisterScriptProcessor(HostPlayScriptProc playScript) {
    Host().PlayScript = playScript;
}

ZORRUBY_EXPORT void ZORRUBY_HOSTCALL nbRegisterInterfaceAccess(HostInterfaceAccessProc interfaceAccess) {
    Host().InterfaceAccess = interfaceAccess;
}

ZORRUBY_EXPORT uint8_t ZORRUBY_HOSTCALL nbExecAction(int32_t id, char** params) {
    return AtBoundary<uint8_t>(0, [&]() -> uint8_t {
        if (id < 1 || id > 3 || params == nullptr) return 0;
        // Connect takes one text, evaluate three, the library call four.
        constexpr int ParameterCounts[4] = {0, 1, 3, 4};
        std::string texts[4];
        for (int i = 0; i < ParameterCounts[id]; ++i) texts[i] = TextOf(params[i]);
        return RunCommand(id, texts[0], texts[1], texts[2], texts[3]) ? 1 : 0;
    });
}

ZORRUBY_EXPORT void ZORRUBY_HOSTCALL nbMessage(int32_t code, intptr_t) {
    if (code != 1) return;
    ForgetCallLibraries();
    AtBoundary(0, [] {
        SetHostVariable(PlugInPathVariable, PlugInFilePath());
        return 0;
    });
}

ZORRUBY_EXPORT char* ZORRUBY_STDCALL neobookSetVar(const char* name, const char* value) {
    return AtBoundary<char*>(nullptr, [&] { return SetVariableForCompanion(name, value); });
}

ZORRUBY_EXPORT char* ZORRUBY_STDCALL neobookGetVar(const char* name) {
    return AtBoundary<char*>(nullptr, [&] { return GetVariableForCompanion(name); });
}

ZORRUBY_EXPORT char* ZORRUBY_STDCALL neobookPlayAction(const char* script) {
    return AtBoundary<char*>(nullptr, [&] { return PlayScriptForCompanion(script); });
}

ZORRUBY_EXPORT uint8_t ZORRUBY_STDCALL zorRubyExec(const char*, const char* number, const char* a3,
                                                   const char* a4, const char* a5, const char* a6, intptr_t,
                                                   intptr_t, intptr_t, intptr_t, intptr_t, intptr_t) {
    return AtBoundary<uint8_t>(0, [&]() -> uint8_t {
        const std::string numberText = TextOf(number);
        int32_t command = 0;
        if (!ReadCommandNumber(numberText, command)) {
            SetHostVariable(LastErrorName, NotAnIntegerMessage(numberText));
            return 0;
        }
        return RunCommand(command, TextOf(a3), TextOf(a4), TextOf(a5), TextOf(a6)) ? 1 : 0;
    });
}

ZORRUBY_EXPORT uint8_t ZORRUBY_STDCALL zorRubyCmdList(const char*, const char* form, char* buffer) {
    return AtBoundary<uint8_t>(0, [&]() -> uint8_t {
        const std::string list = CommandList(IsLispForm(TextOf(form)));
        if (buffer != nullptr) std::memcpy(buffer, list.c_str(), list.size() + 1);
        return 1;
    });
}

}  // extern "C"
