#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# The program, as built or as installed, calculates: the probe plugin in
# PLUGIN_FOLDER/generic, which Qt loads into it, does each worked example the
# window tests pin as a user would, and says whether the result boxes show
# what they should.
set -euo pipefail
program=$1 plugins=$2

# A runtime folder of its own, as a desktop session gives, so that Qt has
# nothing to warn about on standard error.
runtime=$(mktemp -d); trap 'rm -rf "$runtime"' EXIT
code=0
found=$(XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH="$plugins"   QT_QPA_GENERIC_PLUGINS=tarnwickcalculationprobe timeout 30 "$program" </dev/null) || code=$?
echo "$found"
if [ "$code" != 0 ] || [ -z "$found" ] || grep -qv ': as expected$' <<<"$found"; then
  echo "the program ended with status $code" >&2
  exit 1
fi
