#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds in build/, then starts the program ("run")
# or runs the whole test suite headless ("test"). Safe to run again.
set -euo pipefail
cd "$(dirname "$0")"

action=${1:-run}
case "$action" in run|test) ;; *) echo "usage: $0 run|test" >&2; exit 2 ;; esac

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
          libxcb1-dev fonts-liberation xvfb xauth x11-utils
          desktop-file-utils appstream dpkg-dev file binutils-mingw-w64-x86-64)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARNWICK_WERROR="${CI:+ON}" >/dev/null
cmake --build build -j2

if [ "$action" = run ]; then
  exec build/tarnwick
fi
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2
