#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# Usage: orca_check.sh PROGRAM
# What a blind user hears: the Orca screen reader listens to the program on
# an X server, a session bus and an accessibility bus of the check's own,
# speaking through speech-dispatcher's dummy output, while the check uses
# the program by keyboard alone. Orca's debug log holds every utterance; the
# check waits for each one it needs and fails when one never comes.
set -euo pipefail
if [ -z "${TARNWICK_OWN_SESSION_BUS:-}" ]; then
  TARNWICK_OWN_SESSION_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
program=$1
here=$(dirname "$0")
. "$here/../support/session.sh"

start_accessibility_bus
start_x_server

mkdir -p "$session_dir/speech" "$session_dir/orca"
# The dummy voice still wants a sound device: ALSA's null device takes it.
cat >"$session_dir/speech/speechd.conf" <<'END'
AddModule "dummy" "sd_dummy" ""
DefaultModule dummy
AudioOutputMethod "alsa"
AudioALSADevice "null"
END
export SPEECHD_ADDRESS=unix_socket:$session_dir/speech/socket
start speech-dispatcher --run-single --timeout 0 --config-dir "$session_dir/speech" \
  --communication-method unix_socket --socket-path "$session_dir/speech/socket" --log-dir "$session_dir/speech" \
  >"$session_dir/speech/out" 2>&1
wait_for 10 "speech-dispatcher" test -S "$session_dir/speech/socket"

log=$session_dir/orca.log
touch "$log"
start /usr/bin/python3 "$here/orca_listen.py" "$log" "$session_dir/orca" >"$session_dir/orca.out" 2>&1

# What Orca said from line $1 of its log on, an utterance a line: an
# utterance that spans lines goes on in indented lines.
spoken_since() {
  awk -v from="$1" 'NR < from { next }
    /SPEECH OUTPUT: / { if (u != "") print u; u = $0; sub(/.*SPEECH OUTPUT: '"'"'/, "", u); sub(/'"'"' *(\{.*)?$/, "", u); open = 1; next }
    open && /^ / { line = $0; sub(/^ +/, "", line); sub(/'"'"' *(\{.*)?$/, "", line); u = u " " line; next }
    { open = 0 }
    END { if (u != "") print u }' "$log" | sed 's/  */ /g'
}
lines() { wc -l <"$log"; }
failures=0

# expect STEP WORDS...: fails the check unless Orca says each of WORDS, in
# any utterance, since the step began.
step_began=1
begin() { step=$1; step_began=$(($(lines) + 1)); }
said() { spoken_since "$step_began" | grep -qF -- "$1"; }
expect() {
  local words
  for words in "$@"; do
    if ! wait_for 10 "Orca to say \"$words\" at: $step" said "$words"; then
      failures=$((failures + 1))
      echo "at: $step, Orca said:" >&2
      spoken_since "$step_began" | sed 's/^/    /' >&2
    fi
  done
}
# Where Orca took the focus to last, by name, as its log says: Orca 43 once
# it has spoken of it ("locusOfFocus: [role | name]"), Orca 48 as it starts
# to ("locus of focus to [role: 'name']").
focused_name() {
  sed -n -e 's/.*locusOfFocus: \[[^|]*| \(.*\)\] activeScript.*/\1/p' \
    -e "s/.*Request to set locus of focus to \\[[^:]*: '\\(.*\\)'\\] .*/\\1/p" "$log" | tail -n 1
}
focus_left() { [ "$(focused_name)" != "$1" ]; }
# Tabs until the focus is on the named control, twice round the main window
# at most, and waits until Orca has said its name.
tab_to() {
  local name=$1 presses from
  for presses in $(seq 60); do
    from=$(focused_name)
    begin "tab to $name"
    xdotool key Tab
    if ! wait_for 5 "Orca to follow the focus from $from on the way to $name" focus_left "$from"; then
      failures=$((failures + 1))
      return 0
    fi
    if [ "$(focused_name)" = "$name" ]; then
      expect "$name"
      return 0
    fi
    # Orca is done with this control before the next Tab, so that what it
    # logs next is about the next one.
    wait_for 3 "Orca to speak of $(focused_name)" said "$(focused_name)" || true
  done
  echo "Tab never reached $name" >&2
  failures=$((failures + 1))
}
# What Orca says of a box right after its name: the box's text, whole.
read_after_name() { spoken_since "$step_began" | sed -n "/^$1 text\.\$/{n;p;q}"; }
has_read_after_name() { [ -n "$(read_after_name "$1")" ]; }
expect_box_reads() {
  local name=$1 text=$2 heard
  tab_to "$name"
  wait_for 5 "Orca to read $name" has_read_after_name "$name" || true
  heard=$(read_after_name "$name")
  heard=${heard% selected.}
  if [ "${heard%.}" != "$text" ]; then
    echo "at: $name, Orca read the box as \"$heard\", not \"$text\"" >&2
    failures=$((failures + 1))
  fi
}

# There is no window manager to give the focus back to the main window when
# a window in front of it closes: the check does it, once that window is off
# the screen, so that its going does not take the focus along.
focus_main_window() { xdotool search --name '^QUORVEL$' windowfocus --sync >/dev/null; }
window_is_shown() { xdotool search --onlyvisible --name "^$1\$" >/dev/null; }
window_is_gone() { ! window_is_shown "$1"; }
back_to_main_window_from() {
  wait_for 10 "the $1 window to close" window_is_gone "$1"
  focus_main_window
}

# Orca first, as a blind user has it: a program started under a running
# screen reader is met as it starts. Orca that starts beside a running
# program has to find it first, and seen with Orca 48 it now and then
# missed the program's first focus events while it did.
wait_for 30 "Orca to start" grep -q "SPEECH OUTPUT: 'Screen reader on.'" "$log"
begin "the main window"
start env QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >"$session_dir/program.out" 2>&1
main_window_is_up() { xdotool search --name '^QUORVEL$' >/dev/null; }
wait_for 20 "the program's window" main_window_is_up
focus_main_window
expect "QUORVEL frame" "Program title"

begin "Tab onto the antenna drawing"
xdotool key Tab
expect "Drawing of the coaxial dipole image"

tab_to "Frequency in megahertz"
xdotool key ctrl+a type "$(known feet.frequency)"
tab_to "Cable type"
# The list's focus mark starts on the first cable: each step down picks the next.
begin "the cable at list position $(known feet.cable)"
for ((row = 0; row < $(known feet.cable); row++)); do xdotool key Down; done
expect "$("$program" --list-cables | sed -n "$(($(known feet.cable) + 1))p" | cut -f1)"

tab_to "Calculate in feet and inches"
begin "Return on FEET/INCHES"
xdotool key Return
expect "$(known feet.overall)" "$(known feet.coax)"

tab_to "Calculate in metres and centimetres"
begin "Return on METER/CM"
xdotool key Return
expect "$(known metric.overall)" "$(known metric.coax)"

read -ra metric <<<"$(known metric.results)"
expect_box_reads "Overall length, unit of the whole part" "${metric[4]}"
expect_box_reads "Overall length, remainder" "${metric[1]}"

tab_to "Frequency in megahertz"
xdotool key ctrl+a type 0
tab_to "Calculate in feet and inches"
begin "Return on FEET/INCHES with frequency 0"
xdotool key Return
expect "alert tarnwick" "Run-time error '11': Division by zero"
begin "closing the error report"
xdotool key Return
back_to_main_window_from tarnwick
expect "Calculate in feet and inches"

tab_to "View end detail"
begin "Return on the end detail button"
xdotool key Return
expect "END DETAIL frame" "exit"
begin "Escape in the end detail window"
xdotool key Escape
back_to_main_window_from "END DETAIL"
expect "QUORVEL" "View end detail"

tab_to "View centre detail"
begin "Return on the centre detail button"
xdotool key Return
expect "Center detail frame" "Center detail drawing image"

if grep -q "bad content sent to speak" "$log"; then
  echo "Orca was handed something it could not speak:" >&2
  grep -A1 "bad content sent to speak" "$log" >&2
  failures=$((failures + 1))
fi
if ((failures)); then
  echo "$failures failed; the program said:" >&2
  cat "$session_dir/program.out" >&2
  echo "Orca said on its standard error:" >&2
  cat "$session_dir/orca.out" >&2
  exit 1
fi
echo "Orca spoke every result, the error and every box whole"
