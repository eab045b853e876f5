#!/usr/bin/env bash
# Sets up the machine, builds the x86-64 and the i386 targets with warnings as errors, and
# runs every test of both, then checks the formatting.
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

build build
build build-i386 -DCMAKE_TOOLCHAIN_FILE=cmake/i386.cmake

# One checked-in style for every C++ source.
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
echo "test: all passed"
