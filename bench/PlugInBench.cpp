// The plug-in through its exported entry points, against the bare interpreter underneath.
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "bench/BaselineSink.h"
#include "host/TestHost.h"
#include "ruby/RubyEval.h"

namespace {

zorhost::TestHost& Host() {
    static zorhost::TestHost* host = [] {
        auto* h = new zorhost::TestHost(ZOR_PLUGIN_FILE);
        h->Register();
        if (!h->Exec(1, {"status"})) std::abort();
        return h;
    }();
    return *host;
}

void BareProtectedEval(benchmark::State& state) {
    Host();
    for (auto _ : state) {
        int status = 0;
        benchmark::DoNotOptimize(rb_eval_string_protect("1+1", &status));
    }
}
BENCHMARK(BareProtectedEval)->ComputeStatistics("least", zorbench::Least);

void ExecActionEval(benchmark::State& state) {
    auto& host = Host();
    for (auto _ : state) benchmark::DoNotOptimize(host.Exec(2, {"1+1", "out", "res"}));
    if (host.Variable("[res]") != "2") state.SkipWithError("wrong result");
}
BENCHMARK(ExecActionEval)->ComputeStatistics("least", zorbench::Least);

constexpr const char* LinesProgram = "200_000.times { puts 'line' }";

void BareCapture(benchmark::State& state) {
    Host();
    const VALUE sink = zorbench::SinkObject();
    for (auto _ : state) {
        zorbench::StartClean(state);
        zorbench::SinkText().Clear();
        const VALUE console = rb_stdout;
        rb_stdout = sink;
        int status = 0;
        rb_eval_string_protect(LinesProgram, &status);
        rb_stdout = console;
    }
}
BENCHMARK(BareCapture)->ComputeStatistics("least", zorbench::Least)->Unit(benchmark::kMillisecond);

void ExecActionCapture(benchmark::State& state) {
    auto& host = Host();
    for (auto _ : state) {
        zorbench::StartClean(state);
        benchmark::DoNotOptimize(host.Exec(2, {LinesProgram, "out", "res"}));
    }
    if (host.Variable("[out]").size() != 200'000 * 6) state.SkipWithError("output was lost");
}
BENCHMARK(ExecActionCapture)->ComputeStatistics("least", zorbench::Least)->Unit(benchmark::kMillisecond);

// A fresh process of this program in the given mode, to the end.
void RunChild(benchmark::State& state, const char* mode) {
    for (auto _ : state) {
        const pid_t child = fork();
        if (child == 0) {
            execl("/proc/self/exe", "plugin_bench", mode, static_cast<char*>(nullptr));
            _exit(127);
        }
        int status = 0;
        waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("the child failed");
    }
}

void FreshProcessStartingTheInterpreter(benchmark::State& state) { RunChild(state, "--start-interpreter"); }
BENCHMARK(FreshProcessStartingTheInterpreter)
    ->ComputeStatistics("least", zorbench::Least)
    ->Unit(benchmark::kMillisecond);

void FreshProcessConnectingThePlugIn(benchmark::State& state) { RunChild(state, "--connect-plugin"); }
BENCHMARK(FreshProcessConnectingThePlugIn)
    ->ComputeStatistics("least", zorbench::Least)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--start-interpreter") == 0) {
        zor::StartInterpreter();
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--connect-plugin") == 0) {
        zorhost::TestHost host(ZOR_PLUGIN_FILE);
        std::string title, author, hint;
        host.Init(title, author, hint);
        host.Register();
        return host.Exec(1, {"status"}) ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
