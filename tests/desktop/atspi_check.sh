#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# Usage: atspi_check.sh PROBE
# A screen reader client reads and drives the program over AT-SPI, on a
# session bus, an accessibility bus and an X server of the check's own:
# what it finds is what left the process, not Qt's view from inside it.
set -euo pipefail
if [ -z "${TARNWICK_OWN_SESSION_BUS:-}" ]; then
  TARNWICK_OWN_SESSION_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
probe=$1
here=$(dirname "$0")
. "$here/../support/session.sh"

start_accessibility_bus
start_x_server

start env QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$probe" serve >"$session_dir/out"
wait_for 20 "the probe to open its windows" grep -qx ready "$session_dir/out"

status=0
timeout 25 /usr/bin/python3 "$here/atspi_client.py" "$session_dir/out" "$known_results" || status=$?
if ((status != 0)) || grep '^qt-warning' "$session_dir/out"; then
  cat "$session_dir/out" >&2
  exit 1
fi
