#!/usr/bin/env bash
# Sets up the machine, builds the x86-64 target and runs the demo on a sample program.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake -S . -B build -DZORRUBY_TESTS=OFF >/dev/null
cmake --build build -j"$(nproc)" --target zordemo
build/zordemo "${1:-samples/hello.rb}"
