#!/usr/bin/env bash
# Installs the dependencies, builds the program and runs it on its demo loop.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target quillet-cli demo_loop
./build/cli/quillet-cli slice build/resources/demo-loop.aif --bars 2 --signature 4/4
