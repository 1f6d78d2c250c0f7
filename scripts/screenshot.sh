#!/usr/bin/env bash
# Takes screenshots of the window program under a virtual display with a
# small window manager: the frame with each menu open, an alert, the
# progress window, the About box and the demo loop's document window.
# Writes PNG files into screenshots/.
# Usage: scripts/screenshot.sh [build folder]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
inside=no
if [ "${1:-}" = "--inside" ]; then inside=yes; shift; fi
build=${1:-build}
program="$root/$build/app/quillet"
if [ $inside = no ] && [ ! -x "$program" ]; then
  cmake -S . -B "$build" -G Ninja
  cmake --build "$build" --target quillet -j "$(nproc)"
fi
mkdir -p screenshots

# Runs inside the virtual display: one program run per scene.
session() {
  openbox >/dev/null 2>&1 &
  local wm=$!
  # A quiet desktop behind the program.
  convert -size 1280x800 gradient:'#4b5d73'-'#1f2733' "$root/screenshots/.desktop.png"
  display -window root "$root/screenshots/.desktop.png" >/dev/null 2>&1 || true
  sleep 1
  local scenes=(frame menu-0 menu-1 menu-2 menu-3 menu-4 alert progress about document)
  local names=(frame menu-file menu-edit menu-sampler menu-windows menu-help alert progress about document)
  scenes+=(loop-plain loop-3d loop-shaded loop-plain-in loop-3d-in loop-shaded-in)
  names+=(loop-plain loop-3d loop-shaded loop-plain-in loop-3d-in loop-shaded-in)
  scenes+=(preferences sampler-settings system-information)
  names+=(preferences sampler-settings system-information)
  for i in "${!scenes[@]}"; do
    "$program" --screenshot-scene="${scenes[$i]}" >/dev/null 2>&1 &
    local pid=$!
    sleep 4
    import -window root "screenshots/${names[$i]}.png"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  kill "$wm" 2>/dev/null || true
}
if [ $inside = yes ]; then
  session
else
  xvfb-run -a -s "-screen 0 1280x800x24" "$0" --inside "$build"
  ls -1 screenshots/*.png
fi
