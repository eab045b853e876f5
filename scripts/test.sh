#!/usr/bin/env bash
# Sets up the machine, checks the formatting, builds the x86-64 and the i386 targets and an
# x86-64 build under AddressSanitizer and UndefinedBehaviorSanitizer, all with warnings as
# errors, runs every test of each and the end-to-end tests under valgrind too, runs the fuzz
# targets, then builds the Windows plug-in and runs its end-to-end tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
jobs=$(nproc)

build() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -DZORRUBY_WERROR=ON -DZORRUBY_TESTS=ON "$@"
  cmake --build "$dir" -j"$jobs"
  ctest --test-dir "$dir" -j"$jobs" --output-on-failure </dev/null
}

# One checked-in style for every C++ source.
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

build build
# The end-to-end tests once more under valgrind's memcheck.
ctest --test-dir build -T memcheck -R '^(PlugIn\.|zorhost\.(Eval|Run|Call|Exec)$)' -j"$jobs" --output-on-failure </dev/null
build build-i386 -DCMAKE_TOOLCHAIN_FILE=cmake/i386.cmake

# The interpreter scans the machine stack for live values, so no fake stacks; it never frees
# its start-up allocations, which the suppression file (limited to its library) lets pass.
export ASAN_OPTIONS=detect_stack_use_after_return=0:detect_leaks=1
export LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
build build-asan -DZORRUBY_SANITIZE=ON -DZORRUBY_BENCHMARKS=OFF

# The fuzz targets, built with clang's libFuzzer, each run for a bounded time.
CC=clang-14 CXX=clang++-14 build build-fuzz -DZORRUBY_FUZZ=ON -DZORRUBY_TESTS=OFF -DZORRUBY_BENCHMARKS=OFF
unset ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS

# The 32-bit Windows plug-in, against a Windows Ruby built from Debian's source of the same
# Ruby, tested under Wine in a prefix of the build's own, made before the tests run in parallel.
scripts/build-win32-ruby.sh build-win32/ruby
cmake -S . -B build-win32 -DCMAKE_TOOLCHAIN_FILE=cmake/win32.cmake -DZORRUBY_WERROR=ON -DZORRUBY_TESTS=ON \
  -DZORRUBY_BENCHMARKS=OFF
cmake --build build-win32 -j"$jobs"
WINEPREFIX=$PWD/build-win32/wine WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= wineboot --init </dev/null
WINEPREFIX=$PWD/build-win32/wine wineserver --wait
ctest --test-dir build-win32 -j"$jobs" --output-on-failure </dev/null
echo "test: all passed"
