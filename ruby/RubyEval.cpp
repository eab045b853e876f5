// The evaluator, the interpreter's start-up and the console class its streams are set to.
//
// The console's methods are called by the interpreter. They hold no C++ object with a
// destructor while they call back into it, and run their C++ work under Guard.
#include "ruby/RubyEval.h"

#include <csignal>

#include "platform/Exception.h"
#include "platform/PodBuffer.h"
#include "platform/Signals.h"
#include "platform/StandardInput.h"
#include "ruby/Protect.h"
#include "ruby/RubyWrapper.h"
#include "ruby/uConv.h"

namespace zor {

namespace {

constexpr const char* StartFailedText = "The Ruby interpreter could not be started";
constexpr const char* OptionsFailedText = "The Ruby interpreter could not load its built-in features";
constexpr const char* WrongThreadText =
    "Ruby code can only be evaluated on the thread that started the Ruby interpreter";

// The virtual machine and its built-in features are up; the console may still be missing if
// installing it failed, and a later start-up then only retries that.
bool MachineStarted = false;
VALUE ConsoleClass = 0;
VALUE ConsoleObject = 0;
PodBuffer<char> ConsoleText;
TStringList* ConsoleLines = nullptr;
// The attached list is kept equal to the split of ConsoleText by feeding it only the new
// bytes; after an attach or a failed feed it is rebuilt from the whole buffer once.
LineSplitter ConsoleSplitter;
bool ConsoleLinesStale = false;

// The interpreter keeps this storage for the process title and may write into it, so it is
// one static, writable block. The options are those of an empty "-e" program with UTF-8 as
// the default external encoding; RUBYOPT is ignored, as the plug-in takes no configuration
// from the environment.
char StartupArgumentText[] = "ruby\0-EUTF-8\0--disable=rubyopt\0-e\0";
char* StartupArguments[] = {
    StartupArgumentText,      StartupArgumentText + 5,  StartupArgumentText + 13,
    StartupArgumentText + 31, StartupArgumentText + 34, nullptr,
};
constexpr int StartupArgumentCount = 5;

void AppendToConsole(const char* bytes, size_t count) {
    ConsoleText.Append(bytes, count);
    if (ConsoleLines == nullptr) return;
    const bool rebuild = ConsoleLinesStale;
    ConsoleLinesStale = true;
    if (rebuild) {
        ConsoleLines->Clear();
        ConsoleSplitter.Reset();
        ConsoleSplitter.Feed(std::string_view(ConsoleText.Data(), ConsoleText.Size()), *ConsoleLines);
    } else {
        ConsoleSplitter.Feed(std::string_view(bytes, count), *ConsoleLines);
    }
    ConsoleLinesStale = false;
}

// write(*texts): each argument in turn, converted to a String if it is none; answers the
// number of bytes written.
VALUE ConsoleWrite(int argc, VALUE* argv, VALUE) {
    long total = 0;
    for (int i = 0; i < argc; ++i) {
        VALUE text = argv[i];
        if (!RB_TYPE_P(text, T_STRING)) text = rb_obj_as_string(text);
        const long count = StringLength(text);
        if (count > 0) {
            const char* bytes = StringBytes(text);
            const GuardResult guard =
                Guard([bytes, count] { AppendToConsole(bytes, static_cast<size_t>(count)); });
            if (guard != GuardResult::Completed) RaiseGuardFailure(guard);
        }
        RB_GC_GUARD(text);
        total += count;
    }
    return LONG2NUM(total);
}

// gets: the next input line with one LF, nil at the end of the input, for a line that starts
// with the byte 4, and when standard input cannot be read.
VALUE ConsoleGets(VALUE) {
    StandardInputReader& input = StandardInput();
    ReadStatus status = ReadStatus::Failed;
    const GuardResult guard = Guard([&input, &status] {
        status = input.ReadLine();
        if (status == ReadStatus::Ok && !input.Line().empty() && input.Line()[0] == '\x04')
            status = ReadStatus::End;
        if (status == ReadStatus::Ok) input.Line().push_back('\n');
    });
    if (guard != GuardResult::Completed) RaiseGuardFailure(guard);
    VALUE result = Qnil;
    if (status == ReadStatus::Ok) {
        const std::string& line = input.Line();
        result = rb_external_str_new(line.data(), static_cast<long>(line.size()));
    }
    rb_lastline_set(result);
    return result;
}

// getc: the next input byte as an integer; nil for the byte 0, at the end of the input and
// when standard input cannot be read.
VALUE ConsoleGetc(VALUE) {
    StandardInputReader& input = StandardInput();
    unsigned char byte = 0;
    ReadStatus status = ReadStatus::Failed;
    const GuardResult guard = Guard([&input, &status, &byte] { status = input.ReadByte(byte); });
    if (guard != GuardResult::Completed) RaiseGuardFailure(guard);
    if (status != ReadStatus::Ok || byte == 0) return Qnil;
    return ByteToFixnum(byte);
}

// The interpreter's IO machinery asks streams for these; the console is always ready,
// synchronous and not a terminal.
VALUE ConsoleSelf(VALUE self) { return self; }
VALUE ConsoleSelfAnyArguments(int, VALUE*, VALUE self) { return self; }
VALUE ConsoleTrue(VALUE) { return Qtrue; }
VALUE ConsoleFalse(VALUE) { return Qfalse; }
VALUE ConsoleNil(VALUE) { return Qnil; }
VALUE ConsoleZero(VALUE) { return INT2FIX(0); }
VALUE ConsoleSetSync(VALUE, VALUE value) { return value; }

void DefineConsoleMethods(VALUE klass) {
    rb_define_method(klass, "write", ConsoleWrite, -1);
    rb_define_method(klass, "gets", ConsoleGets, 0);
    rb_define_method(klass, "getc", ConsoleGetc, 0);
    rb_define_method(klass, "flush", ConsoleSelf, 0);
    rb_define_method(klass, "sync", ConsoleTrue, 0);
    rb_define_method(klass, "sync=", ConsoleSetSync, 1);
    rb_define_method(klass, "fsync", ConsoleZero, 0);
    rb_define_method(klass, "fileno", ConsoleNil, 0);
    rb_define_method(klass, "tty?", ConsoleFalse, 0);
    rb_define_method(klass, "isatty", ConsoleFalse, 0);
    rb_define_method(klass, "set_encoding", ConsoleSelfAnyArguments, -1);
    rb_define_method(klass, "binmode", ConsoleSelf, 0);
    rb_define_method(klass, "external_encoding", ConsoleNil, 0);
    rb_define_method(klass, "internal_encoding", ConsoleNil, 0);
    rb_define_method(klass, "closed?", ConsoleFalse, 0);
}

// ruby_setup and the option processing that loads the interpreter's Ruby-level features.
// Both catch their own errors; neither can jump past this frame.
bool StartVirtualMachine(const char*& failure) {
#if defined(_WIN32)
    // On Windows the interpreter's locks, sockets, standard handles and environment are set
    // up by its system initialisation; without it the first file it reads waits forever on
    // the lock of its socket list. It replaces the vector it is given with the process's
    // command line; the start-up options stay ours.
    int count = StartupArgumentCount;
    char** vector = StartupArguments;
    ruby_sysinit(&count, &vector);
#endif
    if (ruby_setup() != 0) {
        failure = StartFailedText;
        return false;
    }
    // The answer is the compiled empty program; running it would shut the interpreter down.
    int status = 0;
    if (!ruby_executable_node(ruby_options(StartupArgumentCount, StartupArguments), &status)) {
        failure = OptionsFailedText;
        return false;
    }
    return true;
}

void InstallConsole() {
    VALUE* ioClass = DataItemAddress("rb_cIO");
    VALUE* input = DataItemAddress("rb_stdin");
    VALUE* output = DataItemAddress("rb_stdout");
    VALUE* errors = DataItemAddress("rb_stderr");
    auto install = [=]() noexcept {
        ruby_script("ruby");
        rb_global_variable(&ConsoleClass);
        rb_global_variable(&ConsoleObject);
        const VALUE klass = rb_class_new(*ioClass);
        DefineConsoleMethods(klass);
        // No mark routine: IO's own methods read this slot as their stream pointer, so they
        // see an uninitialised stream and raise IOError instead of touching garbage.
        const VALUE object = rb_data_object_wrap(klass, nullptr, nullptr, nullptr);
        ConsoleClass = klass;
        *input = object;
        *output = object;
        *errors = object;
        ConsoleObject = object;
        return Qnil;
    };
    if (Protect(install) != 0) throw Exception(TakePendingErrorText());
}

}  // namespace

void StartInterpreter() {
    if (ConsoleObject != 0) return;
    // The interpreter installs handlers for many signals; those are the host's. Its SIGCHLD
    // handler stays (child processes are reaped through it) and so does SIGVTALRM, with
    // which it interrupts its threads.
    if (!MachineStarted) {
        const char* failure = nullptr;
        const SignalDispositions signals = SignalDispositions::Save();
        MachineStarted = StartVirtualMachine(failure);
#if defined(_WIN32)
        signals.Restore({});
#else
        signals.Restore({SIGCHLD, SIGVTALRM});
#endif
        if (!MachineStarted) throw Exception(failure);
    }
    InstallConsole();
}

VALUE ConsoleObjectValue() { return ConsoleObject; }

void AttachConsoleLines(TStringList& list) {
    ConsoleText.Clear();
    ConsoleLines = &list;
    ConsoleLinesStale = true;
}

void ClearConsole() {
    ConsoleText.Clear();
    if (ConsoleLines == nullptr) return;
    ConsoleLines->Clear();
    ConsoleSplitter.Reset();
    ConsoleLinesStale = false;
}

void DetachConsoleLines() { ConsoleLines = nullptr; }

TRubyEval::TRubyEval(TComponent* owner) : TComponent(owner) { StartInterpreter(); }

TRubyEval::~TRubyEval() = default;

void TRubyEval::Evaluate(const std::string& source, HostValue& result) {
    if (!ruby_native_thread_p()) throw Exception(WrongThreadText);
    const VALUE value = ProtectedEval(source.c_str(), ProtectState);
    if (ProtectState != 0) {
        LastErrorText = TakePendingErrorText();
        if (Exceptions) throw Exception(LastErrorText);
        result = HostValue();
        return;
    }
    LastErrorText.clear();
    ValueToHostValue(value, result);
}

void TRubyEval::EvaluateExpression(HostValue& result) { Evaluate(Expression_.Text(), result); }

std::string TRubyEval::ConsoleOutput() { return std::string(ConsoleText.Data(), ConsoleText.Size()); }

}  // namespace zor
