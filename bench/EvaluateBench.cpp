// The cost of an evaluation and of console capture, each against its bare baseline.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/BaselineSink.h"
#include "platform/StringList.h"
#include "ruby/RubyEval.h"

namespace {

zor::TRubyEval& Evaluator() {
    static zor::TRubyEval evaluator;
    return evaluator;
}

void BareProtectedEval(benchmark::State& state) {
    Evaluator();
    for (auto _ : state) {
        int status = 0;
        benchmark::DoNotOptimize(rb_eval_string_protect("1+1", &status));
    }
}
BENCHMARK(BareProtectedEval)->ComputeStatistics("least", zorbench::Least);

void Evaluate(benchmark::State& state) {
    auto& evaluator = Evaluator();
    zor::HostValue result;
    for (auto _ : state) {
        evaluator.Evaluate("1+1", result);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(Evaluate)->ComputeStatistics("least", zorbench::Least);

std::string LinesProgram(long lines) { return std::to_string(lines) + ".times { puts 'line' }"; }

void CaptureIntoBufferOnly(benchmark::State& state) {
    auto& evaluator = Evaluator();
    const std::string program = LinesProgram(state.range(0));
    const VALUE sink = zorbench::SinkObject();
    zor::HostValue result;
    for (auto _ : state) {
        zorbench::StartClean(state);
        zorbench::SinkText().Clear();
        rb_stdout = sink;
        evaluator.Evaluate(program, result);
        rb_stdout = zor::ConsoleObjectValue();
    }
}
BENCHMARK(CaptureIntoBufferOnly)
    ->ComputeStatistics("least", zorbench::Least)
    ->Arg(200'000)
    ->Arg(2'000'000)
    ->Unit(benchmark::kMillisecond);

void CaptureWithList(benchmark::State& state) {
    auto& evaluator = Evaluator();
    const std::string program = LinesProgram(state.range(0));
    // Like the evaluate action's list, it lives as long as the process and is emptied per run.
    static zor::TStringList lines;
    zor::HostValue result;
    for (auto _ : state) {
        zorbench::StartClean(state);
        lines.Clear();
        zor::AttachConsoleLines(lines);
        evaluator.Evaluate(program, result);
        zor::DetachConsoleLines();
    }
    if (lines.Count() != state.range(0)) state.SkipWithError("lines were lost");
}
BENCHMARK(CaptureWithList)
    ->ComputeStatistics("least", zorbench::Least)
    ->Arg(200'000)
    ->Arg(2'000'000)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
