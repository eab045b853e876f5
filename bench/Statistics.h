// Statistics the benchmarks report beside Google Benchmark's own.
#pragma once

#include <algorithm>
#include <vector>

namespace zorbench {

// The least of the repetitions: on a shared machine every other figure carries its noise.
inline double Least(const std::vector<double>& values) {
    return *std::min_element(values.begin(), values.end());
}

}  // namespace zorbench
