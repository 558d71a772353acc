#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# Usage: wayland_smoke.sh PROBE
# Under a headless Weston of its own the program starts, opens and closes
# every window, calculates and opens its web page, with no crash and not a
# single warning from Qt.
set -euo pipefail
probe=$1
. "$(dirname "$0")/../support/session.sh"

export XDG_RUNTIME_DIR=$session_dir
socket=tarnwick-smoke-$$
start weston --backend=headless-backend.so --socket="$socket" --no-config --idle-time=0 \
  --log="$session_dir/weston.log"
wait_for 15 "weston to listen on $socket" test -S "$XDG_RUNTIME_DIR/$socket"

status=0
WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland timeout 30 "$probe" smoke >"$session_dir/out" || status=$?
expected="shown Form1
shown frmAbout1
shown Form2
shown web
results $(known feet.results)
shown web
launch start.exe http://www.example.com/coax/"
if ! diff -u <(echo "$expected") "$session_dir/out" || ((status != 0)); then
  echo "probe exit status $status; weston log:" >&2
  cat "$session_dir/weston.log" >&2
  exit 1
fi
