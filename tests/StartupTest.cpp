// Starting the interpreter inside a host process: the host's signal handling survives it.
#include <gtest/gtest.h>
#include <signal.h>

#include <csignal>
#include <cstdlib>
#include <vector>

#include "ruby/RubyEval.h"

using namespace zor;

namespace {

void HostHandler(int) {}

#if defined(_WIN32)

// Windows has the C run-time's handlers only, and no alternate stack.
TEST(Startup, KeepsTheHostsSignalHandlers) {
    const std::vector<int> signals = {SIGINT, SIGILL, SIGABRT, SIGFPE, SIGSEGV, SIGTERM, SIGBREAK};
    for (int signal : signals) ASSERT_NE(SIG_ERR, std::signal(signal, HostHandler)) << "signal " << signal;

    TRubyEval evaluator;

    for (int signal : signals)
        EXPECT_EQ(&HostHandler, std::signal(signal, HostHandler)) << "signal " << signal;
    HostValue result;
    evaluator.Evaluate("def deep(n) = deep(n + 1); deep(0)", result);
    EXPECT_EQ("stack level too deep", evaluator.LastErrorText);
}

#else

struct sigaction Disposition(int signal) {
    struct sigaction action {};
    sigaction(signal, nullptr, &action);
    return action;
}

TEST(Startup, KeepsTheHostsSignalHandlersAndAlternateStack) {
    const std::vector<int> signals = {SIGSEGV, SIGBUS,  SIGTERM, SIGPIPE, SIGINT,
                                      SIGHUP,  SIGQUIT, SIGUSR1, SIGUSR2};
    struct sigaction host {};
    host.sa_handler = HostHandler;
    sigemptyset(&host.sa_mask);
    for (int signal : signals) ASSERT_EQ(0, sigaction(signal, &host, nullptr));
    static char hostStack[64 * 1024];
    stack_t stack{hostStack, 0, sizeof hostStack};
    ASSERT_EQ(0, sigaltstack(&stack, nullptr));

    TRubyEval evaluator;

    for (int signal : signals) EXPECT_EQ(&HostHandler, Disposition(signal).sa_handler) << "signal " << signal;
    stack_t now{};
    ASSERT_EQ(0, sigaltstack(nullptr, &now));
    EXPECT_EQ(static_cast<void*>(hostStack), now.ss_sp);
    EXPECT_EQ(sizeof hostStack, now.ss_size);

    // The interpreter keeps what it needs for child processes and deep recursion.
    HostValue result;
    evaluator.Evaluate("system('true')", result);
    EXPECT_EQ(HostValue::Boolean(true), result) << evaluator.LastErrorText;
    evaluator.Evaluate("`echo hi`", result);
    EXPECT_EQ(HostValue::Text("hi\n"), result) << evaluator.LastErrorText;
    evaluator.Evaluate("def deep(n) = deep(n + 1); deep(0)", result);
    EXPECT_EQ("stack level too deep", evaluator.LastErrorText);
}

#endif

}  // namespace
