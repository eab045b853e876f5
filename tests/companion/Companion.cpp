// A companion library for the library-call tests. It is built twice, into two folders, each
// copy answering with its own tag. It reaches the plug-in's companion exports through the
// loaded plug-in, found by its name.
#if defined(_WIN32)
#include <windows.h>
#define COMPANION_EXPORT __declspec(dllexport)
#else
#include <dlfcn.h>
#include <unistd.h>
#define COMPANION_EXPORT __attribute__((visibility("default")))
#endif

#include <cstdlib>
#include <string>

#include "plugin/zorRubyPlugIn.h"

#ifndef COMPANION_TAG
#error "COMPANION_TAG names this copy"
#endif

namespace {

std::string Answer;

const char* Reply(std::string text) {
    Answer = std::move(text);
    return Answer.c_str();
}

#if defined(_WIN32)
template <class F>
F PlugInEntry(const char* name) {
    HMODULE plugin = GetModuleHandleA("zorRuby.nbr");
    return plugin != nullptr ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(plugin, name)))
                             : nullptr;
}

void Release(char* block) { GlobalFree(block); }

std::string CurrentFolder() {
    char buffer[4096];
    const DWORD length = GetCurrentDirectoryA(sizeof buffer, buffer);
    return length != 0 && length < sizeof buffer ? std::string(buffer, length) : "<unknown>";
}
#else
template <class F>
F PlugInEntry(const char* name) {
    void* plugin = dlopen("zorRuby.nbr", RTLD_LAZY | RTLD_NOLOAD);
    return plugin != nullptr ? reinterpret_cast<F>(dlsym(plugin, name)) : nullptr;
}

void Release(char* block) { std::free(block); }

std::string CurrentFolder() {
    char buffer[4096];
    return getcwd(buffer, sizeof buffer) != nullptr ? buffer : "<unknown>";
}
#endif

std::string Take(char* block) {
    std::string text = block != nullptr ? block : "<null>";
    if (block != nullptr) Release(block);
    return text;
}

}  // namespace

extern "C" {

COMPANION_EXPORT const char* ZORRUBY_STDCALL Echo(const char* argument) {
    return Reply(std::string(COMPANION_TAG) + ":" + argument);
}

COMPANION_EXPORT const char* ZORRUBY_STDCALL WorkingDirectory(const char*) { return Reply(CurrentFolder()); }

// Sets [fromCompanion], asks the host to play the argument as a script, then answers what
// the host holds in [nested] afterwards.
COMPANION_EXPORT const char* ZORRUBY_STDCALL CallBack(const char* argument) {
    using SetVar = char*(ZORRUBY_STDCALL*)(const char*, const char*);
    using GetVar = char*(ZORRUBY_STDCALL*)(const char*);
    using Play = char*(ZORRUBY_STDCALL*)(const char*);
    const auto set = PlugInEntry<SetVar>("neobookSetVar");
    const auto get = PlugInEntry<GetVar>("neobookGetVar");
    const auto play = PlugInEntry<Play>("neobookPlayAction");
    if (set == nullptr || get == nullptr || play == nullptr) return Reply("<no plug-in>");
    const std::string done = Take(set("[fromCompanion]", "set by " COMPANION_TAG));
    const std::string played = Take(play(argument));
    return Reply(done + "," + played + "," + Take(get("[nested]")));
}

COMPANION_EXPORT const char* ZORRUBY_STDCALL Nothing(const char*) { return nullptr; }

}  // extern "C"
