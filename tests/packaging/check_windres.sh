#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# The Windows resource script compiles and carries the version block, with
# project()'s version, and the icon.
set -euo pipefail
rc=$1 version=$2
. "$(dirname "$0")/packagechecks.sh"
text=$(version_text "$version")
numbers=${version//./, }
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
windres=x86_64-w64-mingw32-windres
"$windres" --preprocessor=cpp --include-dir "$(dirname "$rc")" -i "$rc" -O res -o "$work/tarnwick.res"
"$windres" -i "$work/tarnwick.res" -O rc > "$work/decompiled.rc"

expect() {
  grep -qF -- "$1" "$work/decompiled.rc" || fail "missing from the compiled resources: $1"
}
expect 'BLOCK "040904B0"'
expect 'VALUE "ProductName", "tarnwick"'
expect 'VALUE "InternalName", "tarnwick"'
expect 'VALUE "OriginalFilename", "tarnwick.exe"'
expect "VALUE \"FileVersion\", \"$text\""
expect "VALUE \"ProductVersion\", \"$text\""
expect "FILEVERSION $numbers"
expect "PRODUCTVERSION $numbers"
expect 'RT_GROUP_ICON'
expect 'Has 1 elements'
exit $status
