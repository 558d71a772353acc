#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# --version and --help answer at a terminal with no display, and an unknown
# option or a stray argument is refused; none of them opens a window.
set -euo pipefail
program=$1 version=$2
output=$(mktemp -d)
trap 'rm -rf "$output"' EXIT
status=0

# arguments | platform | exit code | stream | a line it carries
while IFS='|' read -r arguments platform code stream line; do
  # With no display the xcb platform stops the program as soon as it makes
  # its application. Offscreen lets it make one, and a window it opened
  # would keep it running into the time limit.
  read -ra words <<<"$arguments"
  found=0
  env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM="$platform" timeout 20 "$program" "${words[@]}" \
    >"$output/stdout" 2>"$output/stderr" || found=$?
  if [ "$found" != "$code" ] || ! grep -Fxq "$line" "$output/$stream"; then
    echo "tarnwick $arguments: exit $found, expected $code with \"$line\" on $stream; it printed:"
    cat "$output/stdout" "$output/stderr"
    status=1
  fi
done <<EOF_TABLE
--version|xcb|0|stdout|tarnwick $version
--help|xcb|0|stdout|Usage: tarnwick [options]
-platform offscreen -v|xcb|0|stdout|tarnwick $version
--bogus|offscreen|2|stderr|tarnwick: Unknown option 'bogus'.
foo|offscreen|2|stderr|tarnwick: Unexpected argument 'foo'.
EOF_TABLE
exit $status
