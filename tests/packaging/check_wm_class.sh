#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# Starts the program on the X server DISPLAY names and checks that its main
# window's class is the one the menu entry's StartupWMClass names, so that
# docks match the running window to the entry and its icon.
set -euo pipefail
desktop=$1 program=$2
expected=$(sed -n 's/^StartupWMClass=//p' "$desktop")
[ -n "$expected" ] || { echo "$desktop has no StartupWMClass"; exit 1; }

QT_QPA_PLATFORM=xcb "$program" & pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
window=
for _ in $(seq 100); do
  window=$(xwininfo -root -tree | awk '/"QUORVEL"/ { print $1; exit }')
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "the main window did not appear"; exit 1; }

# WM_CLASS(STRING) = "instance", "class"
class=$(xprop -id "$window" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\([^"]*\)"$/\1/p')
[ "$class" = "$expected" ] || { echo "window class \"$class\", StartupWMClass \"$expected\""; exit 1; }
