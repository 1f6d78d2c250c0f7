#!/usr/bin/env bash
# Installs the dependencies, then builds and runs every test: a normal build
# with its Debian package, an address+undefined sanitizer build followed by
# the user session of scripts/user-session.sh on its window program (the
# sanitizer build sees everything the normal one would, and more), and each
# libFuzzer target for a while.
# FUZZ_SECONDS sets the time per fuzzer (default 30; 0 skips fuzzing).
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

jobs=$(nproc)
fuzz_seconds=${FUZZ_SECONDS:-30}

echo "== normal build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLET_UNITY=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== Debian package"
JOBS=$jobs ./scripts/check-package.sh build

echo "== sanitizer build"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLET_SANITIZE=ON -DQUILLET_UNITY=ON
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"
echo "== the window program in a user's hands (sanitizer build)"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ./scripts/user-session.sh build-asan/app/quillet

if [ "$fuzz_seconds" -gt 0 ]; then
  echo "== fuzzers"
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUILLET_FUZZ=ON -DQUILLET_TESTS=OFF -DQUILLET_UNITY=ON
  cmake --build build-fuzz -j "$jobs" --target fuzzers
  # One fuzzer per core at a time; any crash, leak or hang (-timeout) fails the run.
  mkdir -p build-fuzz/logs
  find build-fuzz/fuzz -maxdepth 1 -name 'fuzz_*' -type f -executable -printf '%f\n' | sort |
    xargs -P "$jobs" -I{} sh -c '
      name={}; seeds="fuzz/corpus/${name#fuzz_}"; corpus=$(mktemp -d)
      echo "-- $name for '"$fuzz_seconds"'s"
      if ! build-fuzz/fuzz/$name -max_total_time='"$fuzz_seconds"' -timeout=10 -rss_limit_mb=2048 \
           -print_final_stats=1 "$corpus" $( [ -d "$seeds" ] && echo "$seeds" ) \
           > build-fuzz/logs/$name.log 2>&1; then
        tail -n 60 build-fuzz/logs/$name.log; echo "!! $name failed"; exit 255
      fi
      grep -E "^stat::number_of_executed_units" build-fuzz/logs/$name.log | sed "s/^/   $name /"
      rm -rf "$corpus"'
fi
echo "== all tests passed"
