// An in-memory host for tests and benchmarks: it loads the built plug-in as a library and
// drives it as the authoring host does, recording what the plug-in registers and keeping the
// host variables. Its calls and callbacks are declared here, in the host's own conventions,
// independently of the plug-in's header, so that a mismatch shows.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace zorhost {

struct RegisteredAction {
    int32_t id;
    std::string name;
    std::string hint;
    std::vector<uint8_t> kinds;
    int32_t highest;
    int count;
};

class TestHost {
public:
    // Loads the plug-in file; throws std::runtime_error when it cannot be loaded or lacks an
    // entry point. Only one host is current at a time: the callbacks go to the newest.
    explicit TestHost(const std::string& pluginPath);
    ~TestHost();

    // nbInitPlugIn, with host variables that may already hold blocks.
    void Init(std::string& title, std::string& author, std::string& hint);
    // nbRegisterPlugIn, nbRegisterScriptProcessor and nbRegisterInterfaceAccess.
    void Register();
    bool Exec(int32_t id, std::vector<const char*> params);
    void Message(int32_t code);
    bool CmdExec(const char* number, const char* a3 = "", const char* a4 = "", const char* a5 = "",
                 const char* a6 = "");
    std::string CmdList(const char* form);

    // Resolved entry points, for tests that call them directly.
    void* Entry(const char* name) const;

    // What the host holds and saw. Variables are keyed by their bracketed names.
    std::map<std::string, std::string> variables;
    std::vector<RegisteredAction> registered;
    std::vector<std::string> scripts;
    // Runs a script the plug-in asks the host to play; by default it is only recorded.
    std::function<void(TestHost&, const std::string&)> playScript;
    // Counts of the callbacks, for tests of the calling order.
    int setVariableCalls = 0;

    std::string Variable(const std::string& bracketed) const;

private:
    void* library_ = nullptr;
    // The entries called per action, resolved once.
    void* exec_ = nullptr;
    void* commandExec_ = nullptr;
};

}  // namespace zorhost
