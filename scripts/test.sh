#!/usr/bin/env bash
# Installs the dependencies, then builds and runs every test: a normal build,
# an address+undefined sanitizer build, and each libFuzzer target for a while.
# FUZZ_SECONDS sets the time per fuzzer (default 60; 0 skips fuzzing).
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

jobs=$(nproc)
fuzz_seconds=${FUZZ_SECONDS:-60}

echo "== normal build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== sanitizer build"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLET_SANITIZE=ON
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

if [ "$fuzz_seconds" -gt 0 ]; then
  echo "== fuzzers"
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUILLET_FUZZ=ON -DQUILLET_TESTS=OFF
  cmake --build build-fuzz -j "$jobs"
  shopt -s nullglob
  for fuzzer in build-fuzz/fuzz/fuzz_*; do
    [ -x "$fuzzer" ] || continue
    name=$(basename "$fuzzer")
    corpus=$(mktemp -d)
    seeds="fuzz/corpus/${name#fuzz_}"
    echo "-- $name for ${fuzz_seconds}s"
    # Crashes, leaks and hangs (-timeout) all end the run with a non-zero status.
    "$fuzzer" -max_total_time="$fuzz_seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 "$corpus" $( [ -d "$seeds" ] && echo "$seeds" )
    rm -rf "$corpus"
  done
fi
echo "== all tests passed"
