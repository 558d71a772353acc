#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program, as built or as installed, calculates: the probe plugin in
# PLUGIN_FOLDER/generic, which Qt loads into it, does each row as a user
# would and reads the result boxes. The rows are the known results the
# window tests pin.
set -euo pipefail
program=$1 plugins=$2
# The result boxes, in the order the window tests read them.
boxes="Text2 Text5 Text6 Text9 Text3 Text7 Text4 Text8"

# frequency | cable | button | what the result boxes show
rows="14.2|RG-8x|Command3|34|7.774658|25|11.83099|FEET|FEET|INCHES|INCHES
14.2|RG-8x|Command4|10|54.92964|7|91.1972|METERS|METERS|CM|CM"

# A runtime folder of its own, as a desktop session gives, so that Qt has
# nothing to warn about on standard error.
runtime=$(mktemp -d); trap 'rm -rf "$runtime"' EXIT
code=0
found=$(cut -d'|' -f1-3 <<<"$rows" | sed "s/\$/|$boxes/" |
  XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH="$plugins" \
  QT_QPA_GENERIC_PLUGINS=tarnwickcalculationprobe timeout 30 "$program") || code=$?
expected=$(cut -d'|' -f4- <<<"$rows")
if [ "$code" != 0 ] || [ "$found" != "$expected" ]; then
  printf 'the program ended with status %s; the result boxes showed:\n%s\nexpected:\n%s\n' \
    "$code" "$found" "$expected"
  exit 1
fi
echo "$found"
