#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# Installs what is missing, builds in build/, then starts the program ("run")
# or runs the whole test suite headless ("test"). "sanitize" builds in
# build-asan/ with AddressSanitizer and UndefinedBehaviorSanitizer and runs
# the whole suite there. Safe to run again.
set -euo pipefail
cd "$(dirname "$0")"

action=${1:-run}
case "$action" in run|test|sanitize) ;; *) echo "usage: $0 run|test|sanitize" >&2; exit 2 ;; esac

. scripts/packages.sh
if [ "$action" = run ]; then
  install_missing "${BUILD_PACKAGES[@]}"
else
  install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
fi

if [ "$action" = sanitize ]; then
  # Debug: quick to compile, and Qt's own checks and our asserts are on.
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARNWICK_SANITIZE=ON \
        -DTARNWICK_WERROR="${CI:+ON}" >/dev/null
  cmake --build build-asan -j2
  # Qt 6.8 asks the desktop portal for its version as it starts, and frees
  # the call's watcher only when the answer comes: a test program that quits
  # at once leaves it behind, and LeakSanitizer, seeing only the first frames
  # of Qt's stacks, would count that against us.
  QT_NO_XDG_DESKTOP_PORTAL=1 QT_QPA_PLATFORM=offscreen \
    exec ctest --test-dir build-asan --output-on-failure -j2
fi

# The test build also builds the benchmarks, so that a change that breaks
# them shows; bench/run.sh runs them.
bench=OFF
[ "$action" = test ] && bench=ON
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARNWICK_WERROR="${CI:+ON}" -DTARNWICK_BENCH=$bench >/dev/null
cmake --build build -j2

if [ "$action" = run ]; then
  exec build/tarnwick
fi
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2
