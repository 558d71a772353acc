#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows resource script compiles and carries the version block and icon.
set -euo pipefail
rc=$1
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
windres=x86_64-w64-mingw32-windres
"$windres" --preprocessor=cpp --include-dir "$(dirname "$rc")" -i "$rc" -O res -o "$work/tarnwick.res"
"$windres" -i "$work/tarnwick.res" -O rc > "$work/decompiled.rc"

status=0
expect() {
  grep -qF -- "$1" "$work/decompiled.rc" || { echo "missing from the compiled resources: $1"; status=1; }
}
expect 'BLOCK "040904B0"'
expect 'VALUE "ProductName", "tarnwick"'
expect 'VALUE "InternalName", "tarnwick"'
expect 'VALUE "OriginalFilename", "tarnwick.exe"'
expect 'VALUE "FileVersion", "1.00"'
expect 'VALUE "ProductVersion", "1.00"'
expect 'FILEVERSION 1, 0, 0, 0'
expect 'PRODUCTVERSION 1, 0, 0, 0'
expect 'RT_GROUP_ICON'
expect 'Has 1 elements'
exit $status
