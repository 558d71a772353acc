#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# Usage: in_session.sh COMMAND...
# Runs a Qt program on an X server, session bus and accessibility bus of its
# own, with Qt's accessibility on as a screen reader turns it on: what the
# program tells screen readers then leaves it through Qt's bridge.
set -euo pipefail
if [ -z "${TARNWICK_OWN_SESSION_BUS:-}" ]; then
  TARNWICK_OWN_SESSION_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
. "$(dirname "$0")/../support/session.sh"

start_accessibility_bus
start_x_server
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
