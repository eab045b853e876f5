// Bad input through the exported interface: whatever a caller or the evaluated code does, the
// host sees a clear answer, and the interpreter goes on evaluating afterwards.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "host/HostSystem.h"
#include "host/TestHost.h"
#include "plugin/zorRubyPlugIn.h"

using zorhost::TestHost;

namespace {

class BadInput : public testing::Test {
protected:
    static void SetUpTestSuite() { host_ = new TestHost(ZOR_PLUGIN_FILE); }
    static void TearDownTestSuite() { delete host_; }

    TestHost& host() { return *host_; }
    std::string Var(const std::string& name) { return host().Variable(name); }
    void ExpectStillEvaluates() {
        EXPECT_TRUE(host().Exec(2, {"1+1", "out", "res"})) << Var("[LastError]");
        EXPECT_EQ("2", Var("[res]"));
    }

    static TestHost* host_;
};

TestHost* BadInput::host_ = nullptr;

TEST_F(BadInput, NullPointersForEveryTextOfEveryExport) {
    using Init = void(ZORRUBY_HOSTCALL*)(void*, char**, char**, char**);
    reinterpret_cast<Init>(host().Entry("nbInitPlugIn"))(nullptr, nullptr, nullptr, nullptr);
    using CmdList = uint8_t(ZORRUBY_STDCALL*)(const char*, const char*, char*);
    EXPECT_EQ(1, reinterpret_cast<CmdList>(host().Entry("zorRubyCmdList"))(nullptr, nullptr, nullptr));
    using Exec = uint8_t(ZORRUBY_HOSTCALL*)(int32_t, char**);
    EXPECT_EQ(0, reinterpret_cast<Exec>(host().Entry("nbExecAction"))(2, nullptr));

    // Callbacks handed over as null are as good as none: actions answer false and write nothing.
    using Register = void(ZORRUBY_HOSTCALL*)(void*, void*, void*, void*);
    using RegisterOne = void(ZORRUBY_HOSTCALL*)(void*);
    reinterpret_cast<Register>(host().Entry("nbRegisterPlugIn"))(nullptr, nullptr, nullptr, nullptr);
    reinterpret_cast<RegisterOne>(host().Entry("nbRegisterScriptProcessor"))(nullptr);
    reinterpret_cast<RegisterOne>(host().Entry("nbRegisterInterfaceAccess"))(nullptr);
    EXPECT_FALSE(host().Exec(1, {"status"}));
    using Play = char*(ZORRUBY_STDCALL*)(const char*);
    zorhost::FreeHostString(reinterpret_cast<Play>(host().Entry("neobookPlayAction"))("script"));
    host().Message(1);
    EXPECT_EQ(0, host().setVariableCalls);

    host().Register();
    using Companion1 = char*(ZORRUBY_STDCALL*)(const char*);
    using Companion2 = char*(ZORRUBY_STDCALL*)(const char*, const char*);
    for (const char* name : {"neobookGetVar", "neobookPlayAction"})
        zorhost::FreeHostString(reinterpret_cast<Companion1>(host().Entry(name))(nullptr));
    zorhost::FreeHostString(reinterpret_cast<Companion2>(host().Entry("neobookSetVar"))(nullptr, nullptr));
    EXPECT_EQ("", Var(""));

    EXPECT_FALSE(host().CmdExec(nullptr, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ("'' ist kein g\xC3\xBCltiger Integerwert", Var("[LastError]"));
    EXPECT_FALSE(host().Exec(1, {nullptr}) && host().Exec(1, {nullptr}));
    EXPECT_TRUE(host().CmdExec("2", nullptr, nullptr, nullptr, nullptr));
    EXPECT_FALSE(host().CmdExec("3", nullptr, nullptr, nullptr, nullptr));
    ExpectStillEvaluates();
}

struct Program {
    const char* source;
    bool answer;
    const char* lastError;  // exact, or nullptr when not checked
};

TEST_F(BadInput, ProgramsThatEndBadlyAreReportedAndLeaveTheInterpreterUsable) {
    host().Register();
    ASSERT_TRUE(host().Exec(1, {"status"}));
    const Program programs[] = {
        {"exit", false, "exit"},
        {"exit 3", false, "exit"},
        {"exit!(0) if false; abort 'x'", false, "x"},
        {"throw :x", false, "uncaught throw :x"},
        {"raise Interrupt", false, "Interrupt"},
        {"raise ''", false, ""},
        {"def zor_down(n) = zor_down(n + 1); zor_down(0)", false, "stack level too deep"},
        {"class ZorA < StandardError; def to_s = raise('again'); end; raise ZorA", false, "ZorA"},
        {"class ZorB < StandardError; def to_s = :sym; end; raise ZorB", false, nullptr},
        {"$stdout = Object.new", false, "$stdout must have write method, Object given"},
        {"GC.stress = true; puts 'stressed'; GC.stress = false; 5", true, nullptr},
        {"$stdin.read", false, "uninitialized stream"},
        {"$stdout.close", false, "uninitialized stream"},
        {"$zor_thread = Thread.new { sleep }; 6", true, nullptr},
        {"Thread.new { raise 'in a thread' }.join", false, "in a thread"},
        {"catch(:x) { throw :x, 7 }", true, nullptr},
        {"require 'stringio'; $zor_saved = $stdout; $stdout = StringIO.new; 8", true, nullptr},
        {"$stdout = $zor_saved; 9", true, nullptr},
    };
    for (const auto& p : programs) {
        SCOPED_TRACE(p.source);
        EXPECT_EQ(p.answer, host().Exec(2, {p.source, "out", "res"}));
        if (p.lastError != nullptr) {
            EXPECT_EQ(p.lastError, Var("[LastError]"));
        }
        ExpectStillEvaluates();
    }
    EXPECT_TRUE(host().Exec(2, {"$zor_thread.kill; $zor_thread.join; 1", "out", "res"}));
}

TEST_F(BadInput, LargeAndOddTextsArriveWhole) {
    host().Register();
    ASSERT_TRUE(host().Exec(1, {"status"}));
    std::string source;
    while (source.size() < 2 * 1024 * 1024) source += "x = 1 + 1 # a line of a long program\n";
    source += "x";
    EXPECT_TRUE(host().Exec(2, {source.c_str(), "out", "res"}));
    EXPECT_EQ("2", Var("[res]"));

    EXPECT_TRUE(host().Exec(2, {"print 'x' * 100_000_000; nil", "out", "res"}));
    EXPECT_EQ(100'000'002u, Var("[out]").size());

    EXPECT_FALSE(host().Exec(2, {"raise 'm' * 1_000_000", "out", "res"}));
    EXPECT_EQ(1'000'000u, Var("[LastError]").size());

    // Zero bytes end the texts the host receives; other bytes pass unchanged.
    EXPECT_TRUE(host().Exec(2, {"print \"a\\xff\\xfe\\nb\\0c\"; \"r\\xff\\0s\"", "out", "res"}));
    EXPECT_EQ("a\xff\xfe\r\nb\r\n", Var("[out]"));
    EXPECT_EQ("r\xff", Var("[res]"));
    ExpectStillEvaluates();
}

}  // namespace
