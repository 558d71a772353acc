# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# Sourced by the desktop checks: a private temporary folder, background
# processes that are always ended when the script ends however it ends,
# waits that give up, and the accessibility bus and X server a check starts.

session_dir=$(mktemp -d)
chmod 700 "$session_dir"
session_pids=()

# Last started, first ended: a client goes before the servers it uses, so
# none of them complains that its server went away.
end_session() {
  local i pid
  for ((i = ${#session_pids[@]} - 1; i >= 0; i--)); do
    pid=${session_pids[i]}
    kill -TERM "$pid" 2>/dev/null || continue
    for _ in $(seq 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$session_dir"
}
trap end_session EXIT
trap 'exit 130' INT TERM

# Starts a command in the background and remembers it for end_session;
# its id is left in $started.
start() {
  "$@" &
  started=$!
  session_pids+=("$started")
}

# wait_for SECONDS WHAT COMMAND...: polls the command until it succeeds,
# failing the check with WHAT once the time is up.
wait_for() {
  local seconds=$1 what=$2
  shift 2
  local deadline=$((SECONDS + seconds))
  until "$@"; do
    if ((SECONDS >= deadline)); then
      echo "gave up waiting for $what" >&2
      return 1
    fi
    sleep 0.1
  done
}

# The accessibility bus on the session bus. The session bus would start its
# launcher on the first request, but with the bus's own environment; started
# here, it keeps its socket in this session's folder and is ended with the
# rest. Started before the X server, its registry daemon never connects to
# it, so it does not complain when the X server goes first.
accessibility_bus_is_up() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}
start_accessibility_bus() {
  export XDG_RUNTIME_DIR=$session_dir
  start /usr/libexec/at-spi-bus-launcher --launch-immediately
  wait_for 10 "the accessibility bus launcher" accessibility_bus_is_up
}

# An X server of the session's own, named by DISPLAY.
start_x_server() {
  start Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$session_dir/display"
  wait_for 15 "Xvfb to accept connections" test -s "$session_dir/display"
  export DISPLAY=:$(cat "$session_dir/display")
}

. "$(dirname "${BASH_SOURCE[0]}")/knownresults.sh"
