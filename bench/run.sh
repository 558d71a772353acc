#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# Installs what is missing, builds the benchmarks in build-bench/ (Release),
# then prints every figure: start-up to first paint and peak memory, the
# program against the floor that paints a line of text run by run, under
# Xvfb and offscreen; then the command line's calculation against
# --version, and a sweep of 10000 rows. Safe to run again.
#
#   bench/run.sh [--runs N] [--warmup N] [--no-xvfb] [--no-offscreen] [--probe LABEL=PATH]...
#                [--samples FILE]
#
# The options go to the start-up benchmark; --samples keeps every start in a
# tab-separated file. Other developers' builds on the same machine show up
# as noise in the wall times (the run-by-run ratios suffer least): run it on
# a quiet machine for figures to publish.
set -euo pipefail
cd "$(dirname "$0")/.."

. scripts/packages.sh
install_missing "${BUILD_PACKAGES[@]}" xvfb

# Qt wants a private runtime folder and says so on every start without one.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
  trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi

# The tests are not needed here, and leaving them out keeps this build
# independent of what only they require.
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARNWICK_WERROR="${CI:+ON}" \
      -DTARNWICK_BENCH=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build build-bench -j2 --target tarnwick_startbench tarnwick_commandbench

echo
echo "== start-up: exec to first painted frame, peak RSS =="
build-bench/bench/tarnwick_startbench "$@"

echo
echo "== command line: a calculation and a sweep without a window =="
build-bench/bench/tarnwick_commandbench
