// The interpreter actions. No failure leaves an action: every error is caught here, its
// message stored in "[LastError]", and the action answers false.
#include "ruby/Actions.h"

#include <map>
#include <new>
#include <optional>

#include "platform/DynamicLibrary.h"
#include "platform/Exception.h"
#include "platform/Files.h"
#include "platform/LibraryTexts.h"
#include "platform/StringList.h"
#include "plugin/PlugInUtils.h"
#include "ruby/HostValueText.h"
#include "ruby/RubyEval.h"

namespace zor {

namespace {

constexpr const char* LastErrorName = "[LastError]";
constexpr const char* ConnectedBeforeText = "Ruby interpreter was connected before!";
constexpr const char* ConnectedText = "Ruby interpreter connected!";
constexpr const char* NotConnectedText = "Ruby interpreter is not connected!";
constexpr const char* HalfConnectedText = "Ruby interpreter is not usable: its self-test failed!";
constexpr const char* CalculateSource = "1+1";
constexpr const char* CantCalculateText = "Ruby can't calculate!";
constexpr const char* WriteSource = "print \"Regexp\".gsub!(/e.+/, \"uby\")";
constexpr const char* CantWriteText = "Ruby can't write!";
constexpr const char* UnknownFailureText = "An unexpected error occurred in the plug-in";

TRubyEval* GlobalEvaluator = nullptr;
TStringList* OutputLines = nullptr;
// Every companion library loaded so far, by the path it was loaded from. None is released.
std::map<std::string, void*> CallLibraries;

void ReportError(const std::string& message) { SetHostVariable(LastErrorName, message); }

// Runs an action's work, reporting whatever it throws.
template <class Work>
bool Reported(Work work) noexcept {
    try {
        return work();
    } catch (const Exception& error) {
        ReportError(error.Message());
    } catch (const std::bad_alloc&) {
        ReportError(texts::OutOfMemory);
    } catch (const std::exception& error) {
        ReportError(error.what());
    } catch (...) {
        ReportError(UnknownFailureText);
    }
    return false;
}

// Without the host's setter an action could report nothing, so it does nothing.
bool HostCanBeWritten() { return Host().SetVariable != nullptr; }

void SelfTest(TRubyEval& evaluator) {
    HostValue sum;
    evaluator.Evaluate(CalculateSource, sum);
    if (!HostValueEqualsInteger(sum, 2)) throw Exception(CantCalculateText);
    ClearConsole();
    TStringList expression;
    expression.SetText(WriteSource);
    evaluator.SetExpression(expression);
    HostValue ignored;
    evaluator.EvaluateExpression(ignored);
    if (TRubyEval::ConsoleOutput() != "Ruby") throw Exception(CantWriteText);
}

// Detaches the console list however the evaluation ends.
struct AttachedOutput {
    explicit AttachedOutput(TStringList& lines) { AttachConsoleLines(lines); }
    ~AttachedOutput() { DetachConsoleLines(); }
};

// Puts the remembered current directory back however the call ends.
struct DirectoryRestorer {
    std::optional<std::string> saved = CurrentDirectory();
    ~DirectoryRestorer() {
        if (saved) ChangeDirectory(*saved);
    }
};

void* CallLibrary(const std::string& path) {
    if (const auto known = CallLibraries.find(path); known != CallLibraries.end()) return known->second;
    std::string reason;
    void* library = OpenLibrary(path, reason);
    if (library == nullptr) throw Exception("The library \"" + path + "\" cannot be loaded: " + reason);
    CallLibraries.emplace(path, library);
    return library;
}

}  // namespace

bool zorRubyConnect(const std::string& statusVariable) {
    if (!HostCanBeWritten()) return false;
    return Reported([&] {
        const std::string status = BracketedName(statusVariable);
        if (GlobalEvaluator != nullptr) {
            ReportError(ConnectedBeforeText);
            SetHostVariable(status, ConnectedBeforeText);
            return false;
        }
        GlobalEvaluator = new TRubyEval(nullptr);
        SelfTest(*GlobalEvaluator);
        OutputLines = new TStringList();
        SetHostVariable(status, ConnectedText);
        return true;
    });
}

bool zorRubyEval(const std::string& source, const std::string& consoleVariable,
                 const std::string& resultVariable) {
    if (!HostCanBeWritten()) return false;
    return Reported([&] {
        if (GlobalEvaluator == nullptr) throw Exception(NotConnectedText);
        if (OutputLines == nullptr) throw Exception(HalfConnectedText);
        OutputLines->Clear();
        const AttachedOutput attached(*OutputLines);
        HostValue result;
        GlobalEvaluator->Evaluate(source, result);
        const std::string text = HostValueToText(result);
        if (GlobalEvaluator->Succeeded()) {
            SetHostVariable(BracketedName(resultVariable), text);
            SetHostVariable(BracketedName(consoleVariable), OutputLines->Text());
            return true;
        }
        const std::string& message = GlobalEvaluator->LastErrorText;
        ReportError(message);
        SetHostVariable(BracketedName(resultVariable), message);
        SetHostVariable(BracketedName(consoleVariable), "");
        return false;
    });
}

bool zorRubySketchupCall(const std::string& libraryPath, const std::string& functionName,
                         const std::string& argument, const std::string& resultVariable) {
    if (!HostCanBeWritten()) return false;
    return Reported([&] {
        const DirectoryRestorer restorer;
        // The library's folder is current while it loads and runs; a path without one
        // leaves the directory as it is.
        if (const size_t slash = LastPathDelimiter(libraryPath); slash != std::string::npos)
            ChangeDirectory(libraryPath.substr(0, slash + 1));
        void* library = CallLibrary(libraryPath);
        const auto function =
            reinterpret_cast<CompanionFunction>(LibrarySymbol(library, functionName.c_str()));
        if (function == nullptr)
            throw Exception("The library \"" + libraryPath + "\" exports no function \"" + functionName +
                            "\"");
        const char* answer = function(argument.c_str());
        SetHostVariable(BracketedName(resultVariable), answer != nullptr ? answer : "");
        return true;
    });
}

void ForgetCallLibraries() noexcept { CallLibraries.clear(); }

}  // namespace zor
