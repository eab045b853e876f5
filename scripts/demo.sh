#!/usr/bin/env bash
# Sets up the machine, builds the x86-64 plug-in and the demo host, and runs a sample program.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)" --target zorhost
build/zorhost run "${1:-samples/hello.rb}"
