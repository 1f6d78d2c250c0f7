#!/usr/bin/env bash
# Installs the dependencies, builds the program and runs it on its demo loop:
# the batch tool prints the loop's slicing, then the window program starts on
# the loop. Without a display the window program runs for a few seconds on a
# virtual one, so the command ends by itself.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target quillet-cli demo_loop quillet
./build/cli/quillet-cli slice build/resources/demo-loop.aif --bars 2 --signature 4/4

if [ -n "${DISPLAY:-}" ]; then
  ./build/app/quillet build/resources/demo-loop.aif
else
  echo "No display: running the window program on a virtual display for 6 seconds."
  xvfb-run -a -s "-screen 0 1280x800x24" timeout --preserve-status 6 ./build/app/quillet build/resources/demo-loop.aif || true
fi
