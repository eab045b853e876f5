// Rendering doubles against the standard library's conversion to 18 significant digits alone.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "bench/Statistics.h"
#include "ruby/HostValue.h"
#include "ruby/HostValueText.h"

namespace {

constexpr size_t Count = 1'000'000;

const std::vector<double>& RandomDoubles() {
    static const std::vector<double> values = [] {
        std::vector<double> v;
        v.reserve(Count);
        std::mt19937_64 random(1211);
        while (v.size() < Count) {
            const uint64_t bits = random();
            double d;
            std::memcpy(&d, &bits, sizeof d);
            if (std::isfinite(d)) v.push_back(d);
        }
        return v;
    }();
    return values;
}

void ToChars18Digits(benchmark::State& state) {
    const auto& values = RandomDoubles();
    char text[40];
    for (auto _ : state) {
        for (double d : values) {
            const auto r = std::to_chars(text, text + sizeof text, d, std::chars_format::scientific, 17);
            benchmark::DoNotOptimize(r.ptr);
        }
    }
}
BENCHMARK(ToChars18Digits)->ComputeStatistics("least", zorbench::Least)->Unit(benchmark::kMillisecond);

void FormatDouble(benchmark::State& state) {
    const auto& values = RandomDoubles();
    char text[zor::DoubleTextCapacity];
    for (auto _ : state) {
        for (double d : values) benchmark::DoNotOptimize(zor::FormatDouble(d, '.', text));
    }
}
BENCHMARK(FormatDouble)->ComputeStatistics("least", zorbench::Least)->Unit(benchmark::kMillisecond);

void HostValueToText(benchmark::State& state) {
    const auto& values = RandomDoubles();
    for (auto _ : state) {
        for (double d : values) benchmark::DoNotOptimize(zor::HostValueToText(zor::HostValue::Double(d)));
    }
}
BENCHMARK(HostValueToText)->ComputeStatistics("least", zorbench::Least)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
