// The in-memory host. On i386 the host's register-based convention puts the first three
// values in EAX, EDX and ECX and further ones on the stack, first to last, removed by the
// callee; GCC's regparm(3) with stdcall does the same once stack values are declared in
// reverse. The standard convention is stdcall.
#include "host/TestHost.h"

#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "host/HostSystem.h"
#include "platform/DynamicLibrary.h"

#if defined(__i386__)
#define HOST_REGISTER __attribute__((regparm(3), stdcall))
#define HOST_STANDARD __attribute__((stdcall))
#else
#define HOST_REGISTER
#define HOST_STANDARD
#endif

namespace zorhost {

namespace {

TestHost* Current = nullptr;

#if defined(__i386__)
void HOST_REGISTER AddAction(int32_t id, const char* name, const char* hint, uint8_t count, int32_t highest,
                             const uint8_t* kinds) {
#else
void AddAction(int32_t id, const char* name, const char* hint, const uint8_t* kinds, int32_t highest,
               uint8_t count) {
#endif
    RegisteredAction action{id, name ? name : "<null>", hint ? hint : "<null>", {}, highest, count};
    for (int32_t i = 0; i <= highest; ++i) action.kinds.push_back(kinds[i]);
    Current->registered.push_back(std::move(action));
}

void HOST_REGISTER AddFile() { std::abort(); }
void HOST_REGISTER InterfaceAccess() { std::abort(); }

void HOST_REGISTER GetVariable(const char* name, char** value) {
    const std::string text = Current->Variable(name);
    *value = NewHostString(text);
}

void HOST_REGISTER SetVariable(const char* name, const char* value) {
    ++Current->setVariableCalls;
    Current->variables[name] = value;
}

void HOST_REGISTER PlayScript(const char* script) {
    Current->scripts.emplace_back(script);
    if (Current->playScript) Current->playScript(*Current, script);
}

using InitPlugInFn = void HOST_REGISTER (*)(void*, char**, char**, char**);
using RegisterPlugInFn = void HOST_REGISTER (*)(void*, void*, void*, void*);
using RegisterOneFn = void HOST_REGISTER (*)(void*);
using ExecActionFn = uint8_t HOST_REGISTER (*)(int32_t, char**);
using MessageFn = void HOST_REGISTER (*)(int32_t, intptr_t);
using CmdExecFn = uint8_t HOST_STANDARD (*)(const char*, const char*, const char*, const char*, const char*,
                                            const char*, intptr_t, intptr_t, intptr_t, intptr_t, intptr_t,
                                            intptr_t);
using CmdListFn = uint8_t HOST_STANDARD (*)(const char*, const char*, char*);

template <class F>
F As(void* entry) {
    return reinterpret_cast<F>(entry);
}

}  // namespace

TestHost::TestHost(const std::string& pluginPath) {
    std::string error;
    library_ = zor::OpenLibrary(pluginPath, error);
    if (library_ == nullptr) throw std::runtime_error("cannot load the plug-in: " + error);
    for (const char* name : {"nbInitPlugIn", "nbRegisterPlugIn", "nbRegisterScriptProcessor",
                             "nbRegisterInterfaceAccess", "nbExecAction", "nbMessage", "neobookSetVar",
                             "neobookGetVar", "neobookPlayAction", "zorRubyExec", "zorRubyCmdList"})
        Entry(name);
    exec_ = Entry("nbExecAction");
    commandExec_ = Entry("zorRubyExec");
    Current = this;
}

// The plug-in stays loaded: the interpreter it started cannot be unloaded.
TestHost::~TestHost() {
    if (Current == this) Current = nullptr;
}

void* TestHost::Entry(const char* name) const {
    void* entry = zor::LibrarySymbol(library_, name);
    if (entry == nullptr) throw std::runtime_error(std::string("the plug-in lacks ") + name);
    return entry;
}

std::string TestHost::Variable(const std::string& bracketed) const {
    const auto found = variables.find(bracketed);
    return found == variables.end() ? std::string() : found->second;
}

void TestHost::Init(std::string& title, std::string& author, std::string& hint) {
    char* texts[3] = {nullptr, nullptr, nullptr};
    std::string* targets[3] = {&title, &author, &hint};
    for (int i = 0; i < 3; ++i) texts[i] = NewHostString(*targets[i]);
    As<InitPlugInFn>(Entry("nbInitPlugIn"))(reinterpret_cast<void*>(0x1234), &texts[0], &texts[1], &texts[2]);
    for (int i = 0; i < 3; ++i) {
        *targets[i] = texts[i] ? texts[i] : "<null>";
        FreeHostString(texts[i]);
    }
}

void TestHost::Register() {
    Current = this;
    As<RegisterPlugInFn>(Entry("nbRegisterPlugIn"))(
        reinterpret_cast<void*>(&AddAction), reinterpret_cast<void*>(&AddFile),
        reinterpret_cast<void*>(&GetVariable), reinterpret_cast<void*>(&SetVariable));
    As<RegisterOneFn>(Entry("nbRegisterScriptProcessor"))(reinterpret_cast<void*>(&PlayScript));
    As<RegisterOneFn>(Entry("nbRegisterInterfaceAccess"))(reinterpret_cast<void*>(&InterfaceAccess));
}

bool TestHost::Exec(int32_t id, std::vector<const char*> params) {
    params.push_back(nullptr);
    return As<ExecActionFn>(exec_)(id, const_cast<char**>(params.data())) != 0;
}

void TestHost::Message(int32_t code) { As<MessageFn>(Entry("nbMessage"))(code, 0); }

bool TestHost::CmdExec(const char* number, const char* a3, const char* a4, const char* a5, const char* a6) {
    return As<CmdExecFn>(commandExec_)("ignored", number, a3, a4, a5, a6, 7, 8, 9, 10, 11, 12) != 0;
}

std::string TestHost::CmdList(const char* form) {
    char buffer[100 + 16];
    std::memset(buffer, 'X', sizeof buffer);
    As<CmdListFn>(Entry("zorRubyCmdList"))(nullptr, form, buffer);
    return std::string(buffer);
}

}  // namespace zorhost
