#!/usr/bin/env bash
# Sets up the machine, checks the formatting, builds the x86-64 and the i386 targets and an
# x86-64 build under AddressSanitizer and UndefinedBehaviorSanitizer, all with warnings as
# errors, runs every test of each and the end-to-end tests under valgrind too, runs the fuzz
# targets, then builds the Windows plug-in and runs its tests under Wine. Each step reports
# how long it took.
set -euo pipefail
cd "$(dirname "$0")/.."

timed() {
  local name=$1 start=$SECONDS
  shift
  "$@"
  echo "test: $name took $((SECONDS - start)) s"
}

build() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -DZORRUBY_WERROR=ON -DZORRUBY_TESTS=ON "$@"
  cmake --build "$dir" -j"$jobs"
  ctest --test-dir "$dir" -j"$jobs" --output-on-failure </dev/null
}

memcheck() {
  ctest --test-dir build -T memcheck -R '^(PlugIn\.|zorhost\.(Eval|Run|Call|Exec)$)' -j"$jobs" \
    --output-on-failure </dev/null
}

# The interpreter scans the machine stack for live values, so no fake stacks; it never frees
# its start-up allocations, which the suppression file (limited to its library) lets pass.
sanitized() {
  ASAN_OPTIONS=detect_stack_use_after_return=0:detect_leaks=1 \
    LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp:print_suppressions=0 \
    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 "$@"
}

# Wine makes its prefix on first use; made once here, before tests use it in parallel.
wine_prefix() {
  WINEPREFIX=$PWD/build-win32/wine WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= wineboot --init </dev/null
  WINEPREFIX=$PWD/build-win32/wine wineserver --wait
}

timed setup scripts/setup.sh
jobs=$(nproc)

# One checked-in style for every C++ source.
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

timed x86-64 build build
# The end-to-end tests once more under valgrind's memcheck.
timed memcheck memcheck
timed i386 build build-i386 -DCMAKE_TOOLCHAIN_FILE=cmake/i386.cmake
timed sanitizers sanitized build build-asan -DZORRUBY_SANITIZE=ON -DZORRUBY_BENCHMARKS=OFF
# The fuzz targets, built with clang's libFuzzer, each run for a bounded time.
CC=clang-14 CXX=clang++-14 timed fuzzing sanitized build build-fuzz -DZORRUBY_FUZZ=ON -DZORRUBY_TESTS=OFF \
  -DZORRUBY_BENCHMARKS=OFF

# The 32-bit Windows plug-in, against a Windows Ruby built from Debian's source of the same
# Ruby, tested under Wine.
timed "Windows Ruby" scripts/win32-ruby.sh build-win32/ruby
timed "Wine prefix" wine_prefix
timed Windows build build-win32 -DCMAKE_TOOLCHAIN_FILE=cmake/win32.cmake -DZORRUBY_BENCHMARKS=OFF
echo "test: all passed"
