# SPDX-License-Identifier: MIT
# Sourced by the desktop checks: a private temporary folder, background
# processes that are always ended when the script ends however it ends, and
# waits that give up.

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
