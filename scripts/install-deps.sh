#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the fuzzers need.
# Safe to run again: apt-get skips what is already installed.
set -euo pipefail

packages=(
  # toolchain, and the icon renderer and packager of the install step
  build-essential cmake ninja-build pkg-config git librsvg2-bin dpkg-dev fakeroot
  # libraries
  qt6-base-dev libjpeg62-turbo-dev librtaudio-dev libasound2-dev nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  # the batch tool's command line
  libcli11-dev
  # fuzzers (libFuzzer ships with clang's runtime)
  clang libclang-rt-14-dev
  # independent readers and tools used by the tests
  sox libsox-fmt-base sndfile-programs python3 python3-mido midicsv fluidsynth
  # an onset slicer the benchmarks time side by side with the batch tool
  aubio-tools
  xvfb xauth imagemagick fonts-dejavu-core
  # window manager and input for the screenshots and the user session under xvfb
  openbox xdotool x11-utils
  # checkers of the package's desktop files and manual pages
  desktop-file-utils appstream libxml2-utils shared-mime-info libglib2.0-bin groff-base man-db
)

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends "${packages[@]}"
