#!/usr/bin/env bash
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
. "$here/session.sh"

accessibility_bus_is_up() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}
export XDG_RUNTIME_DIR=$session_dir

# The session bus would start the launcher on the probe's first request,
# but with the bus's own environment; started here, it keeps its socket in
# this check's runtime folder and is ended with the rest. Started before the
# X server, its registry daemon never connects to it, so it does not
# complain when the X server goes first.
start /usr/libexec/at-spi-bus-launcher --launch-immediately
wait_for 10 "the accessibility bus launcher" accessibility_bus_is_up

start Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$session_dir/display"
wait_for 15 "Xvfb to accept connections" test -s "$session_dir/display"
export DISPLAY=:$(cat "$session_dir/display")

start env QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$probe" serve >"$session_dir/out"
wait_for 20 "the probe to open its windows" grep -qx ready "$session_dir/out"

status=0
timeout 25 /usr/bin/python3 "$here/atspi_client.py" "$session_dir/out" || status=$?
if ((status != 0)) || grep '^qt-warning' "$session_dir/out"; then
  cat "$session_dir/out" >&2
  exit 1
fi
