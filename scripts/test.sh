#!/usr/bin/env bash
# Builds Lumivane and runs every test: once in a normal build (core, CLI, GUI),
# once with AddressSanitizer and UndefinedBehaviorSanitizer (core and CLI).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh

jobs=$(nproc 2>/dev/null || echo 2)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DLUMIVANE_SANITIZE=ON -DLUMIVANE_BUILD_GUI=OFF -DLUMIVANE_BUILD_BENCH=OFF
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

# Short runs of the libFuzzer targets (clang, their own build in build-fuzz).
./scripts/fuzz.sh 20000
