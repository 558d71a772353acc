#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# Fuzzes the number text: installs clang and libFuzzer if missing, builds the
# fuzz targets in build-fuzz/, runs each for a bounded time, and merges what
# they found into the committed corpus fuzz/corpus/<target>/, keeping only
# the inputs that add coverage. Commit the corpus afterwards; the normal test
# build replays it.
#
#   fuzz/run.sh [SECONDS] [TARGET...]
#
# SECONDS per target, default 60; targets default to all of them
# (texttofloat floattotext). Exits non-zero when a target finds a failing
# input; the input is left in build-fuzz/artifacts/<target>/ and its bytes
# are printed, ready to be added to fuzz/seeds/<target>/ once fixed.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
targets=("$@")
((${#targets[@]})) || targets=(texttofloat floattotext)
case "$seconds" in ''|*[!0-9]*) echo "usage: $0 [SECONDS] [TARGET...]" >&2; exit 2 ;; esac

# The fuzzing runtime comes with compiler-rt, which clang does not pull in.
. scripts/packages.sh
install_missing cmake ninja-build clang libclang-rt-14-dev

build=${FUZZ_BUILD_DIR:-build-fuzz}
cmake -S fuzz -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j2

# Longer texts than the reader keeps digits of, so the cut-off is explored.
declare -A options=(
  [texttofloat]="-max_len=600 -dict=fuzz/texttofloat.dict"
  [floattotext]="-max_len=8 -use_value_profile=1"
)

status=0
for target in "${targets[@]}"; do
  [ -x "$build/fuzz_$target" ] || { echo "no fuzz target $target" >&2; exit 2; }
  corpus=fuzz/corpus/$target
  seeds=fuzz/seeds/$target
  work=$build/work/$target
  artifacts=$build/artifacts/$target/
  rm -rf "$work" "$build/merged/$target"
  mkdir -p "$corpus" "$work" "$artifacts" "$build/merged/$target"

  echo "== $target: ${seconds}s"
  # New inputs go to the first folder, the work folder; the committed corpus
  # and the seeds are only read.
  # shellcheck disable=SC2086
  if ! "$build/fuzz_$target" ${options[$target]:-} -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$artifacts" "$work" "$corpus" "$seeds" >"$build/$target.log" 2>&1; then
    status=1
    grep -A3 -E 'property broken|ERROR: (Address|Leak|libFuzzer)|runtime error' "$build/$target.log" >&2 || tail -20 "$build/$target.log" >&2
    echo "$target: failing input kept in $artifacts (log: $build/$target.log)" >&2
  fi
  grep -E '^stat::number_of_executed_units|^Done' "$build/$target.log" || true

  # Keep the smallest set of inputs that covers all that the old corpus and
  # the new finds cover, and make it the committed corpus.
  "$build/fuzz_$target" ${options[$target]:-} -merge=1 "$build/merged/$target" "$corpus" "$work" \
      >"$build/$target-merge.log" 2>&1
  rm -rf "$corpus"
  mv "$build/merged/$target" "$corpus"
  echo "$target: corpus now $(find "$corpus" -type f | wc -l) files"
done
exit "$status"
