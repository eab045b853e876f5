// The plug-in end to end, through its exported entry points, loaded as a host loads it.
//
// Every test runs in a process of its own (CTest runs them one by one), so each meets the
// plug-in freshly loaded. The plug-in file is copied into a folder of the test's own, so that
// the settings file beside it is the test's.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "host/HostSystem.h"
#include "host/TestHost.h"
#include "plugin/zorRubyPlugIn.h"

namespace fs = std::filesystem;
using zorhost::RegisteredAction;
using zorhost::TestHost;

namespace {

const std::string CompanionA = ZOR_COMPANION_A;
const std::string CompanionB = ZOR_COMPANION_B;

#if defined(_WIN32)
constexpr const char* LibrarySuffix = ".dll";
// Texts are in the system's code page, Windows-1252.
constexpr const char* NotAnIntegerTail = "' ist kein g\xFCltiger Integerwert";
#else
constexpr const char* LibrarySuffix = ".so";
constexpr const char* NotAnIntegerTail = "' ist kein g\xC3\xBCltiger Integerwert";
#endif

class PlugIn : public testing::Test {
protected:
    static void SetUpTestSuite() {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        folder_ = fs::temp_directory_path() / ("zorruby-test-" + std::to_string(stamp));
        fs::create_directories(folder_);
        fs::copy_file(ZOR_PLUGIN_FILE, folder_ / "zorRuby.nbr", fs::copy_options::overwrite_existing);
        host_ = new TestHost((folder_ / "zorRuby.nbr").string());
    }
    static void TearDownTestSuite() {
        delete host_;
        host_ = nullptr;
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    void SetUp() override { fs::remove(folder_ / "zorRuby.ini"); }

    TestHost& host() { return *host_; }
    static std::string PlugInPath() { return (folder_ / "zorRuby.nbr").string(); }
    static void WriteSettings(const std::string& text) {
        std::ofstream(folder_ / "zorRuby.ini", std::ios::binary) << text;
    }

    bool Connect() { return host().Exec(1, {"status"}); }
    bool Eval(const char* source) { return host().Exec(2, {source, "out", "res"}); }
    std::string Var(const std::string& name) { return host().Variable(name); }

    static fs::path folder_;
    static TestHost* host_;
};

fs::path PlugIn::folder_;
TestHost* PlugIn::host_ = nullptr;

void ExpectRegistration(const std::vector<RegisteredAction>& got, const std::string& group1,
                        const std::string& group2, const std::string (&descriptions)[3]) {
    ASSERT_EQ(5u, got.size());
    const RegisteredAction expected[] = {
        {0, group1, "", {0}, 0, 0},
        {1, "zorRubyConnect", descriptions[0], {6}, 0, 1},
        {2, "zorRubyEval", descriptions[1], {1, 6, 6}, 2, 3},
        {0, group2, "", {0}, 0, 0},
        {3, "zorRubySketchupCall", descriptions[2], {1, 1, 1, 6}, 3, 4},
    };
    for (size_t i = 0; i < 5; ++i) {
        SCOPED_TRACE("registration " + std::to_string(i + 1));
        EXPECT_EQ(expected[i].id, got[i].id);
        EXPECT_EQ(expected[i].name, got[i].name);
        EXPECT_EQ(expected[i].hint, got[i].hint);
        EXPECT_EQ(expected[i].kinds, got[i].kinds);
        EXPECT_EQ(expected[i].highest, got[i].highest);
        EXPECT_EQ(expected[i].count, got[i].count);
    }
}

const std::string DefaultDescriptions[3] = {
    "Connect to the ruby-interpreter-DLL.",
    "Call a ruby-function and get a console-output and a return-string.",
    "Call a function in the ModelGate-DLL and return a string value.",
};

TEST_F(PlugIn, WithoutSettingsFileItShowsItsDefaults) {
    std::string title = "old title", author, hint = "old hint";
    host().Init(title, author, hint);
    EXPECT_EQ("zorRuby 1.03", title);
    EXPECT_EQ("T.R.Velmont", author);
    EXPECT_EQ("Plugin for interfacing msvcrt-ruby18.dll from neobook", hint);
    host().Register();
    ExpectRegistration(host().registered, "Ruby-Calling", "Sketchup-Calling", DefaultDescriptions);
}

TEST_F(PlugIn, AnEmptySettingsFileGivesTheDefaultsWithTheVersionClause) {
    WriteSettings("");
    std::string title, author, hint;
    host().Init(title, author, hint);
    EXPECT_EQ("Plugin for interfacing msvcrt-ruby18.dll >= 8.0.15 from neobook", hint);
    host().Register();
    ExpectRegistration(host().registered, "Ruby-Calling", "Sketchup-Calling", DefaultDescriptions);
}

TEST_F(PlugIn, TheSettingsFileReplacesTheTextsTheHostShows) {
    const std::string longValue(3000, 'x');
    WriteSettings(
        "; settings\r\n"
        "[pluginheader]\r\n"
        "  PlugInHint =  \"two|lines\"  \r\n"
        "[GroupDescription]\n"
        "1=Ruby|Group\n"
        "2='Quoted'\n"
        "[CommandDescription]\n"
        "zorrubyconnect=Connect||now\n"
        "zorRubyEval=" +
        longValue +
        "\n"
        "zorRubyEval=second entry is ignored\n"
        ";zorRubySketchupCall=commented out\n");
    std::string title, author, hint;
    host().Init(title, author, hint);
    EXPECT_EQ("two\r\nlines", hint);
    host().Register();
    const std::string descriptions[3] = {"Connect\r\n\r\nnow", std::string(2047, 'x'),
                                         DefaultDescriptions[2]};
    ExpectRegistration(host().registered, "Ruby|Group", "Quoted", descriptions);

    // A second registration reads the file as it is then and registers all five again.
    WriteSettings("[GroupDescription]\n1=Changed\n");
    host().Register();
    ASSERT_EQ(10u, host().registered.size());
    const std::vector<RegisteredAction> second(host().registered.begin() + 5, host().registered.end());
    ExpectRegistration(second, "Changed", "Sketchup-Calling", DefaultDescriptions);
}

TEST_F(PlugIn, UnknownActionsAndEntriesBeforeRegistrationWriteNothing) {
    EXPECT_FALSE(host().Exec(1, {"status"}));
    EXPECT_FALSE(host().Exec(2, {"1+1", "out", "res"}));
    EXPECT_FALSE(host().Exec(3, {CompanionA.c_str(), "Echo", "x", "res"}));
    EXPECT_FALSE(host().CmdExec("2", "1+1", "out", "res"));
    host().Message(1);
    EXPECT_EQ(0, host().setVariableCalls);

    host().Register();
    EXPECT_FALSE(host().Exec(0, {"status"}));
    EXPECT_FALSE(host().Exec(4, {"status"}));
    EXPECT_FALSE(host().Exec(-1, {}));
    host().Message(0);
    host().Message(2);
    EXPECT_EQ(0, host().setVariableCalls);
}

TEST_F(PlugIn, ConnectOnceThenConnectedBefore) {
    host().Register();
    host().variables["[LastError]"] = "earlier";
    EXPECT_TRUE(Connect());
    EXPECT_EQ("Ruby interpreter connected!", Var("[status]"));
    EXPECT_EQ("earlier", Var("[LastError]"));
    EXPECT_FALSE(host().Exec(1, {"again"}));
    EXPECT_EQ("Ruby interpreter was connected before!", Var("[LastError]"));
    EXPECT_EQ("Ruby interpreter was connected before!", Var("[again]"));
}

TEST_F(PlugIn, EvaluateBeforeConnectOnlyReportsIt) {
    host().Register();
    EXPECT_FALSE(Eval("1+1"));
    EXPECT_EQ("Ruby interpreter is not connected!", Var("[LastError]"));
    EXPECT_EQ(1, host().setVariableCalls);
}

TEST_F(PlugIn, EvaluateStoresResultAndConsole) {
    host().Register();
    ASSERT_TRUE(Connect());
    struct Case {
        const char* source;
        bool answer;
        std::string result, console, lastError;
    };
    const Case cases[] = {
        {"puts 'a'; 42", true, "42", "a\r\n", ""},
        {"print \"a\\nb\"", true, "", "a\r\nb\r\n", ""},
        {"2.5", true, "2.5", "", ""},
        {"'text'", true, "text", "", ""},
        {"true", true, "True", "", ""},
        {"puts 'lost'; raise 'boom'", false, "boom", "", "boom"},
        {"1 +* 2", false, "", "", ""},  // a syntax error: checked by prefix below
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.source);
        host().variables.erase("[LastError]");
        EXPECT_EQ(c.answer, Eval(c.source));
        if (std::string(c.source) == "1 +* 2") {
            EXPECT_NE(std::string::npos, Var("[LastError]").find("syntax error, "));
            EXPECT_EQ(Var("[LastError]"), Var("[res]"));
        } else {
            EXPECT_EQ(c.result, Var("[res]"));
            EXPECT_EQ(c.lastError, Var("[LastError]"));
        }
        EXPECT_EQ(c.console, Var("[out]"));
    }

    // The second of two evaluations holds only its own output.
    EXPECT_TRUE(Eval("puts 'first'"));
    EXPECT_TRUE(Eval("puts 'second'"));
    EXPECT_EQ("second\r\n", Var("[out]"));

    // A result without a text: reported, and neither variable is written.
    host().variables["[res]"] = "kept";
    host().variables["[out]"] = "kept";
    EXPECT_FALSE(Eval("puts 'x'; [1, 2]"));
    EXPECT_EQ("Variante des Typs (Array Variant) konnte nicht in Typ (String) konvertiert werden",
              Var("[LastError]"));
    EXPECT_EQ("kept", Var("[res]"));
    EXPECT_EQ("kept", Var("[out]"));

    // Null parameters read as empty texts: an empty program and variables named "[]".
    EXPECT_TRUE(host().Exec(2, {nullptr, nullptr, nullptr}));
    EXPECT_EQ("", Var("[]"));
    EXPECT_TRUE(Eval("1+1"));
    EXPECT_EQ("2", Var("[res]"));
}

TEST_F(PlugIn, TheLibraryCallRunsInTheLibrarysFolderAndRestoresTheCurrentOne) {
    host().Register();
    const std::string before = fs::current_path().string();
    EXPECT_TRUE(host().Exec(3, {CompanionA.c_str(), "WorkingDirectory", "", "dir"}));
    EXPECT_EQ(fs::path(CompanionA).parent_path().string(), Var("[dir]"));
    EXPECT_EQ(before, fs::current_path().string());

    EXPECT_TRUE(host().Exec(3, {CompanionA.c_str(), "Echo", "hello", "echo"}));
    EXPECT_EQ("a:hello", Var("[echo]"));
    // Another path loads that library.
    EXPECT_TRUE(host().Exec(3, {CompanionB.c_str(), "Echo", "", "echo"}));
    EXPECT_EQ("b:", Var("[echo]"));
    EXPECT_TRUE(host().Exec(3, {CompanionA.c_str(), "Echo", nullptr, "echo"}));
    EXPECT_EQ("a:", Var("[echo]"));
    EXPECT_TRUE(host().Exec(3, {CompanionA.c_str(), "Nothing", "", "nothing"}));
    EXPECT_EQ("", Var("[nothing]"));
}

TEST_F(PlugIn, ALibraryCallThatCannotRunAnswersFalseAndSaysWhy) {
    host().Register();
    const std::string before = fs::current_path().string();
    const std::string missing =
        (fs::path(CompanionA).parent_path() / (std::string("missing") + LibrarySuffix)).string();
    EXPECT_FALSE(host().Exec(3, {missing.c_str(), "Echo", "x", "res"}));
    EXPECT_EQ(0u, Var("[LastError]").find("The library \"" + missing + "\" cannot be loaded: "))
        << Var("[LastError]");
    EXPECT_NE(std::string::npos, Var("[LastError]").find(std::string("missing") + LibrarySuffix));
    EXPECT_EQ(before, fs::current_path().string());

    EXPECT_FALSE(host().Exec(3, {CompanionA.c_str(), "NoSuchFunction", "x", "res"}));
    EXPECT_EQ("The library \"" + CompanionA + "\" exports no function \"NoSuchFunction\"",
              Var("[LastError]"));
    EXPECT_EQ(before, fs::current_path().string());
    EXPECT_EQ("", Var("[res]"));
}

TEST_F(PlugIn, ACompanionCanReachBackIntoTheHostAndRunANestedEvaluation) {
    host().Register();
    ASSERT_TRUE(Connect());
    std::string nestedDirectory;
    host().playScript = [&](TestHost& h, const std::string& script) {
        nestedDirectory = fs::current_path().string();
        h.Exec(2, {script.c_str(), "nestedOut", "nested"});
    };
    EXPECT_TRUE(host().Exec(3, {CompanionA.c_str(), "CallBack", "puts 'inner'; 6*7", "res"}));
    EXPECT_EQ("Done,Done,42", Var("[res]"));
    EXPECT_EQ("set by a", Var("[fromCompanion]"));
    EXPECT_EQ("inner\r\n", Var("[nestedOut]"));
    EXPECT_EQ(fs::path(CompanionA).parent_path().string(), nestedDirectory);
    ASSERT_EQ(1u, host().scripts.size());

    EXPECT_TRUE(Eval("puts 'outer'; 1+1"));
    EXPECT_EQ("2", Var("[res]"));
    EXPECT_EQ("outer\r\n", Var("[out]"));
}

TEST_F(PlugIn, MessageOnePublishesThePathAndForgetsLoadedLibraries) {
    host().Register();
    EXPECT_TRUE(host().Exec(3, {CompanionA.c_str(), "Echo", "1", "res"}));
    host().Message(1);
    EXPECT_EQ(PlugInPath(), Var("[*/*zorRubyDllName]"));
    EXPECT_TRUE(host().Exec(3, {CompanionA.c_str(), "Echo", "2", "res"}));
    EXPECT_EQ("a:2", Var("[res]"));
}

TEST_F(PlugIn, TheCompanionExportsPassNamesUnchangedAndAnswerFreshBlocks) {
    host().Register();
    using SetVar = char*(ZORRUBY_STDCALL*)(const char*, const char*);
    using GetVar = char*(ZORRUBY_STDCALL*)(const char*);
    const auto set = reinterpret_cast<SetVar>(host().Entry("neobookSetVar"));
    const auto get = reinterpret_cast<GetVar>(host().Entry("neobookGetVar"));
    char* first = set("Total", "12");
    char* second = set("Total", "13");
    ASSERT_NE(first, second);
    EXPECT_STREQ("Done", first);
    EXPECT_STREQ("Done", second);
    zorhost::FreeHostString(first);
    zorhost::FreeHostString(second);
    EXPECT_EQ("13", Var("Total"));
    char* value = get("Total");
    EXPECT_STREQ("13", value);
    zorhost::FreeHostString(value);
    char* missing = get(nullptr);
    EXPECT_STREQ("", missing);
    zorhost::FreeHostString(missing);
}

TEST_F(PlugIn, TheCommandListInBothFormsBeforeAndAfterRegistration) {
    EXPECT_EQ("|1|0\r\n|2|0\r\n|3|0\r\n", host().CmdList(""));
    EXPECT_EQ("(list (list \"\"  \"1\" 0)(list \"\"  \"2\" 0)(list \"\"  \"3\" 0))", host().CmdList("LISP"));
    host().Register();
    const std::string plain = "zorRubyConnect|1|1\r\nzorRubyEval|2|3\r\nzorRubySketchupCall|3|4\r\n";
    const std::string lisp =
        "(list (list \"zorRubyConnect\"  \"1\" 1)(list \"zorRubyEval\"  \"2\" 3)(list "
        "\"zorRubySketchupCall\"  \"3\" 4))";
    EXPECT_EQ(62u, plain.size());
    EXPECT_EQ(99u, lisp.size());
    for (const char* form : {"LISP", "lisp", "Lisp"}) EXPECT_EQ(lisp, host().CmdList(form)) << form;
    for (const char* form : {"LISP ", "LIST", "", static_cast<const char*>(nullptr)})
        EXPECT_EQ(plain, host().CmdList(form)) << (form ? form : "null");
}

TEST_F(PlugIn, CommandNumbersInEveryForm) {
    host().Register();
    ASSERT_TRUE(host().CmdExec("1", "status"));
    EXPECT_EQ("Ruby interpreter connected!", Var("[status]"));
    for (const char* number : {"2", " 2", "+2", "$2", "0x2", "0X2", "x2", "X2", "  +0x02"}) {
        host().variables.erase("[res]");
        EXPECT_TRUE(host().CmdExec(number, "1+1", "out", "res")) << number;
        EXPECT_EQ("2", Var("[res]")) << number;
    }
    const int writes = host().setVariableCalls;
    for (const char* number : {"0", "4", "-1", "$FFFFFFFF"})
        EXPECT_FALSE(host().CmdExec(number, "1+1", "out", "res")) << number;
    EXPECT_EQ(writes, host().setVariableCalls);
    for (const std::string number :
         {"", "2 ", "two", "2147483648", "-2147483649", "$", "0x", "$100000000", "- 2"}) {
        EXPECT_FALSE(host().CmdExec(number.c_str(), "1+1", "out", "res")) << number;
        EXPECT_EQ("'" + number + NotAnIntegerTail, Var("[LastError]"));
    }
    EXPECT_TRUE(host().CmdExec("3", CompanionA.c_str(), "Echo", "via exec", "res"));
    EXPECT_EQ("a:via exec", Var("[res]"));
}

}  // namespace
