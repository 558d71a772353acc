#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds in build/, then starts the program ("run")
# or runs the whole test suite headless ("test"). Safe to run again.
set -euo pipefail
cd "$(dirname "$0")"

action=${1:-run}
case "$action" in run|test) ;; *) echo "usage: $0 run|test" >&2; exit 2 ;; esac

. scripts/packages.sh
if [ "$action" = test ]; then
  install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
else
  install_missing "${BUILD_PACKAGES[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARNWICK_WERROR="${CI:+ON}" >/dev/null
cmake --build build -j2

if [ "$action" = run ]; then
  exec build/tarnwick
fi
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2
