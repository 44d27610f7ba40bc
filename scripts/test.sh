#!/usr/bin/env bash
# Sets up a fresh machine, builds everything and runs every test: a Release build, a short
# fuzzing smoke run, then the tests again under AddressSanitizer + UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup-debian.sh
jobs=$(nproc)

build_and_test() {
  local dir=$1; shift
  cmake -S . -B "$dir" "$@"
  cmake --build "$dir" -j "$jobs"
  ctest --test-dir "$dir" -j "$jobs" --output-on-failure
}

build_and_test build/release -DCMAKE_BUILD_TYPE=Release

# A short smoke run of the chunk-data fuzzer (clang's libFuzzer with AddressSanitizer).
cmake -S . -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang -DKELVARO_FUZZ=ON -DKELVARO_BENCH=OFF
cmake --build build/fuzz -j "$jobs" --target kelvaro_chunk_fuzz
mkdir -p build/fuzz/corpus
build/fuzz/hostlib/fuzz/kelvaro_chunk_fuzz -max_total_time=25 build/fuzz/corpus hostlib/fuzz/seeds

# Last, so the final lines are the test summary.
build_and_test build/asan -DCMAKE_BUILD_TYPE=Debug -DKELVARO_SANITIZE=address -DKELVARO_BENCH=OFF
