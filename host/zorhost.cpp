// zorhost: a command-line host for the zorRuby plug-in. It loads the plug-in, makes the
// authoring host's calls in the host's order, and runs Ruby code or companion functions
// through the plug-in's exported entry points.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "host/HostSystem.h"
#include "platform/DynamicLibrary.h"
#include "platform/Files.h"
#include "plugin/zorRubyPlugIn.h"

namespace {

constexpr const char* Usage = R"(usage: zorhost [--plugin PATH] COMMAND [ARGUMENTS]

Loads the zorRuby plug-in (by default zorRuby.nbr beside zorhost, or in ../lib/zorRuby),
registers it as the authoring host does, and runs one command:

  info                          title, author, hint and the actions the plug-in registers
  list [--lisp]                 the generic command list, as plain lines or as a LISP list
  eval CODE                     connects, then evaluates CODE
  run FILE                      connects, then evaluates the file's text (FILE "-": standard input)
  repl                          connects, then evaluates each line read until the end of input
  call LIBRARY FUNCTION ARGUMENT
                                calls FUNCTION of the companion library with ARGUMENT
  exec NUMBER [ARGUMENTS...]    runs a generic command by number (1 connect, 2 evaluate,
                                3 library call); for 2 and 3 it connects first. Prints every
                                host variable the command wrote.

eval, run and repl print what the code wrote to its console, then its result on a line of
its own. zorhost exits with 0 when the plug-in's action answered true, with 1 when it answered
false (the message of [LastError] goes to standard error), and with 2 on a usage error.
Companion libraries may read and write zorhost's variables; a script they ask it to play is
printed to standard error.
)";

std::map<std::string, std::string> Variables;
std::vector<std::string> Written;

#if defined(__i386__)
void ZORRUBY_HOSTCALL AddAction(int32_t id, const char* name, const char* hint, uint8_t count,
                                int32_t highest, const uint8_t* kinds) {
#else
void AddAction(int32_t id, const char* name, const char* hint, const uint8_t* kinds, int32_t highest,
               uint8_t count) {
#endif
    std::ostringstream line;
    line << (id == 0 ? "group  " : "action ") << id << "  " << name << "  kinds [";
    for (int32_t i = 0; i <= highest; ++i) line << (i ? " " : "") << int(kinds[i]);
    line << "]  count " << int(count);
    if (hint != nullptr && *hint != '\0') line << "\n         " << hint;
    Written.push_back(line.str());
}

void ZORRUBY_HOSTCALL AddFile() {}
void ZORRUBY_HOSTCALL InterfaceAccess() {}

void ZORRUBY_HOSTCALL GetVariable(const char* name, char** value) {
    const std::string& text = Variables[name];
    *value = zorhost::NewHostString(text);
}

void ZORRUBY_HOSTCALL SetVariable(const char* name, const char* value) {
    Variables[name] = value;
    Written.emplace_back(name);
}

void ZORRUBY_HOSTCALL PlayScript(const char* script) { std::cerr << "play script: " << script << "\n"; }

struct PlugIn {
    decltype(&nbInitPlugIn) init;
    decltype(&nbRegisterPlugIn) registerPlugIn;
    decltype(&nbRegisterScriptProcessor) registerScriptProcessor;
    decltype(&nbRegisterInterfaceAccess) registerInterfaceAccess;
    decltype(&nbExecAction) exec;
    decltype(&nbMessage) message;
    decltype(&zorRubyExec) commandExec;
    decltype(&zorRubyCmdList) commandList;
};

template <class F>
F Entry(void* library, const char* name) {
    void* entry = zor::LibrarySymbol(library, name);
    if (entry == nullptr) {
        std::cerr << "zorhost: the plug-in has no entry point " << name << "\n";
        std::exit(1);
    }
    return reinterpret_cast<F>(entry);
}

std::string DefaultPlugInPath() {
    const std::string beside = zorhost::ProgramFolder() + "zorRuby.nbr";
    if (zor::FileExists(beside)) return beside;
    return zorhost::ProgramFolder() + "../lib/zorRuby/zorRuby.nbr";
}

PlugIn Load(const std::string& path) {
    std::string error;
    void* library = zor::OpenLibrary(path, error);
    if (library == nullptr) {
        std::cerr << "zorhost: cannot load the plug-in: " << error << "\n";
        std::exit(1);
    }
    return PlugIn{
        Entry<decltype(&nbInitPlugIn)>(library, "nbInitPlugIn"),
        Entry<decltype(&nbRegisterPlugIn)>(library, "nbRegisterPlugIn"),
        Entry<decltype(&nbRegisterScriptProcessor)>(library, "nbRegisterScriptProcessor"),
        Entry<decltype(&nbRegisterInterfaceAccess)>(library, "nbRegisterInterfaceAccess"),
        Entry<decltype(&nbExecAction)>(library, "nbExecAction"),
        Entry<decltype(&nbMessage)>(library, "nbMessage"),
        Entry<decltype(&zorRubyExec)>(library, "zorRubyExec"),
        Entry<decltype(&zorRubyCmdList)>(library, "zorRubyCmdList"),
    };
}

// The host's calls before any action, in the host's order.
void Start(const PlugIn& plugin, std::string& title, std::string& author, std::string& hint) {
    char* texts[3] = {nullptr, nullptr, nullptr};
    plugin.init(nullptr, &texts[0], &texts[1], &texts[2]);
    title = texts[0] ? texts[0] : "";
    author = texts[1] ? texts[1] : "";
    hint = texts[2] ? texts[2] : "";
    for (char* text : texts) zorhost::FreeHostString(text);
    plugin.registerPlugIn(&AddAction, &AddFile, &GetVariable, &SetVariable);
    plugin.registerScriptProcessor(&PlayScript);
    plugin.registerInterfaceAccess(&InterfaceAccess);
    plugin.message(1, 0);
}

// Console texts end their lines with CR LF; a terminal wants LF.
std::string ForTerminal(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out += text[i];
    return out;
}

int Failed() {
    std::cerr << ForTerminal(Variables["[LastError]"]) << "\n";
    return 1;
}

bool Connect(const PlugIn& plugin) {
    const char* status[] = {"status", nullptr};
    return plugin.exec(1, const_cast<char**>(status)) != 0;
}

int Evaluate(const PlugIn& plugin, const std::string& source) {
    const char* params[] = {source.c_str(), "console", "result", nullptr};
    const bool ok = plugin.exec(2, const_cast<char**>(params)) != 0;
    if (!ok) return Failed();
    std::cout << ForTerminal(Variables["[console]"]) << Variables["[result]"] << "\n" << std::flush;
    return 0;
}

std::string ReadAll(std::istream& in) {
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

int UsageError(const char* message) {
    std::cerr << "zorhost: " << message << "\n\n" << Usage;
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string pluginPath;
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << Usage;
        return 0;
    }
    if (args.size() >= 2 && args[0] == "--plugin") {
        pluginPath = args[1];
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.empty()) return UsageError("no command given");
    const std::string command = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());

    const PlugIn plugin = Load(pluginPath.empty() ? DefaultPlugInPath() : pluginPath);
    std::string title, author, hint;
    Start(plugin, title, author, hint);

    if (command == "info" && rest.empty()) {
        std::cout << "title   " << title << "\nauthor  " << author << "\nhint    " << ForTerminal(hint)
                  << "\n";
        for (const auto& line : Written)
            if (line.rfind("group", 0) == 0 || line.rfind("action", 0) == 0)
                std::cout << ForTerminal(line) << "\n";
        return 0;
    }
    if (command == "list" && (rest.empty() || (rest.size() == 1 && rest[0] == "--lisp"))) {
        char buffer[ZORRUBY_CMDLIST_BUFFER];
        plugin.commandList(nullptr, rest.empty() ? "" : "LISP", buffer);
        std::cout << ForTerminal(buffer) << (rest.empty() ? "" : "\n");
        return 0;
    }
    if (command == "eval" && rest.size() == 1) {
        if (!Connect(plugin)) return Failed();
        return Evaluate(plugin, rest[0]);
    }
    if (command == "run" && rest.size() == 1) {
        std::string source;
        if (rest[0] == "-") {
            source = ReadAll(std::cin);
        } else {
            std::ifstream file(rest[0], std::ios::binary);
            if (!file) return UsageError(("cannot read " + rest[0]).c_str());
            source = ReadAll(file);
        }
        if (!Connect(plugin)) return Failed();
        return Evaluate(plugin, source);
    }
    if (command == "repl" && rest.empty()) {
        if (!Connect(plugin)) return Failed();
        const bool prompt = zorhost::InputIsTerminal();
        int status = 0;
        std::string line;
        for (;;) {
            if (prompt) std::cout << "ruby> " << std::flush;
            if (!std::getline(std::cin, line)) break;
            status = Evaluate(plugin, line);
        }
        if (prompt) std::cout << "\n";
        return status;
    }
    if (command == "call" && rest.size() == 3) {
        // The plug-in loads the library by its path from inside the library's folder, so a
        // relative path is made whole first.
        const std::string library = zor::AbsolutePath(rest[0]);
        const char* params[] = {library.c_str(), rest[1].c_str(), rest[2].c_str(), "result", nullptr};
        if (plugin.exec(3, const_cast<char**>(params)) == 0) return Failed();
        std::cout << Variables["[result]"] << "\n";
        return 0;
    }
    if (command == "exec" && !rest.empty() && rest.size() <= 5) {
        std::vector<std::string> a(rest.begin() + 1, rest.end());
        a.resize(4);
        if (rest[0] != "1" && !Connect(plugin)) return Failed();
        Written.clear();
        const bool ok = plugin.commandExec(nullptr, rest[0].c_str(), a[0].c_str(), a[1].c_str(), a[2].c_str(),
                                           a[3].c_str(), 0, 0, 0, 0, 0, 0) != 0;
        for (const auto& name : Written)
            if (name != "[LastError]") std::cout << name << "=" << ForTerminal(Variables[name]) << "\n";
        return ok ? 0 : Failed();
    }
    return UsageError(("unknown command or wrong arguments: " + command).c_str());
}
