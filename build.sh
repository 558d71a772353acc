#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# Installs what is missing, builds in build/, then:
#   run       starts the program
#   test      runs the program's own tests headless: calculation, windows,
#             accessibility, reliability and the desktop checks
#   check     runs those, then everything else CI checks: code layout,
#             clang-tidy, licensing, the artwork tool's output against the
#             committed files, the packages, and the benchmarks' build
#   sanitize  builds in build-asan/ with AddressSanitizer and
#             UndefinedBehaviorSanitizer and runs the program's own tests
# Safe to run again.
set -euo pipefail
cd "$(dirname "$0")"

action=${1:-run}
case "$action" in run|test|check|sanitize) ;; *) echo "usage: $0 run|test|check|sanitize" >&2; exit 2 ;; esac

. scripts/packages.sh
case "$action" in
  run) install_missing "${BUILD_PACKAGES[@]}" ;;
  check) install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${CHECK_PACKAGES[@]}" ;;
  *) install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" ;;
esac

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

checks=OFF
[ "$action" = check ] && checks=ON
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARNWICK_WERROR="${CI:+ON}" \
      -DTARNWICK_CHECKS=$checks -DTARNWICK_ARTWORK=$checks -DTARNWICK_BENCH=$checks >/dev/null
cmake --build build -j2

if [ "$action" = run ]; then
  exec build/tarnwick
fi
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j2 --label-exclude checks
if [ "$action" = check ]; then
  ctest --test-dir build --output-on-failure -j2 --label-regex checks
fi
