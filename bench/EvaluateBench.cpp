// The cost of an evaluation and of console capture, each against its bare baseline.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/PodBuffer.h"
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
BENCHMARK(BareProtectedEval);

void Evaluate(benchmark::State& state) {
    auto& evaluator = Evaluator();
    zor::HostValue result;
    for (auto _ : state) {
        evaluator.Evaluate("1+1", result);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(Evaluate);

// The baseline stream: an IO object whose write only appends its arguments to a buffer.
// It appends to the same kind of buffer as the console, so that only the list makes the difference.
zor::PodBuffer<char> SinkText;

VALUE SinkWrite(int argc, VALUE* argv, VALUE) {
    long total = 0;
    for (int i = 0; i < argc; ++i) {
        VALUE text = argv[i];
        if (!RB_TYPE_P(text, T_STRING)) text = rb_obj_as_string(text);
        SinkText.Append(RSTRING_PTR(text), static_cast<size_t>(RSTRING_LEN(text)));
        total += RSTRING_LEN(text);
    }
    return LONG2NUM(total);
}

VALUE SinkObject() {
    static VALUE sink = 0;
    if (sink == 0) {
        rb_global_variable(&sink);
        const VALUE klass = rb_class_new(rb_cIO);
        rb_define_method(klass, "write", SinkWrite, -1);
        sink = rb_data_object_wrap(klass, nullptr, nullptr, nullptr);
    }
    return sink;
}

// Each run starts from a collected heap, so that one run's garbage is not the next one's cost.
void StartClean(benchmark::State& state) {
    state.PauseTiming();
    rb_gc();
    state.ResumeTiming();
}

std::string LinesProgram(long lines) { return std::to_string(lines) + ".times { puts 'line' }"; }

void CaptureIntoBufferOnly(benchmark::State& state) {
    auto& evaluator = Evaluator();
    const std::string program = LinesProgram(state.range(0));
    const VALUE sink = SinkObject();
    zor::HostValue result;
    for (auto _ : state) {
        StartClean(state);
        SinkText.Clear();
        rb_stdout = sink;
        evaluator.Evaluate(program, result);
        rb_stdout = zor::ConsoleObjectValue();
    }
}
BENCHMARK(CaptureIntoBufferOnly)->Arg(200'000)->Arg(2'000'000)->Unit(benchmark::kMillisecond);

void CaptureWithList(benchmark::State& state) {
    auto& evaluator = Evaluator();
    const std::string program = LinesProgram(state.range(0));
    // Like the evaluate action's list, it lives as long as the process and is emptied per run.
    static zor::TStringList lines;
    zor::HostValue result;
    for (auto _ : state) {
        StartClean(state);
        lines.Clear();
        zor::AttachConsoleLines(lines);
        evaluator.Evaluate(program, result);
        zor::DetachConsoleLines();
    }
    if (lines.Count() != state.range(0)) state.SkipWithError("lines were lost");
}
BENCHMARK(CaptureWithList)->Arg(200'000)->Arg(2'000'000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
