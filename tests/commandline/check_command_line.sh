#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# Usage: check_command_line.sh PROGRAM VERSION
# Everything the command line answers, it answers at a terminal with no
# display: --version, --help, the lengths, the cut list, the trim and the
# cable list, in text and in the machine formats; a mistake is refused with
# exit status 2 and a calculation that overflows or output that cannot be
# written fail with 1, and a failure writes nothing. None opens a window.
set -euo pipefail
program=$1 version=$2
. "$(dirname "$0")/../support/knownresults.sh"
output=$(mktemp -d)
trap 'rm -rf "$output"' EXIT
echo "before" >"$output/kept.csv"
status=0

# environment | arguments | exit code | stream | the start of a line it
# carries. OUT in the arguments and the stream is a file in a folder of the
# check's own.
while IFS='|' read -r environment arguments code stream line; do
  # With no display the xcb platform stops the program as soon as it makes
  # its application; nothing here may get that far.
  read -ra settings <<<"QT_QPA_PLATFORM=xcb $environment"
  read -ra words <<<"${arguments//OUT/$output/out}"
  found=0
  env -u DISPLAY -u WAYLAND_DISPLAY "${settings[@]}" timeout 20 "$program" "${words[@]}" \
    >"$output/stdout" 2>"$output/stderr" || found=$?
  stream=${stream//OUT/out}
  if [ "$found" != "$code" ] || ! awk -v line="$line" 'index($0, line) == 1 { found = 1 } END { exit !found }' "$output/$stream" ||
    { [ "$code" != 0 ] && [ -s "$output/stdout" ]; }; then
    echo "tarnwick $arguments: exit $found, expected $code with a line \"$line...\" in $stream; it printed:"
    cat "$output/stdout" "$output/stderr"
    status=1
  fi
done <<EOF_TABLE
|--version|0|stdout|tarnwick $version
|--help|0|stdout|Usage: tarnwick [options]
|-platform offscreen -v|0|stdout|tarnwick $version
|--bogus|2|stderr|tarnwick: Unknown option 'bogus'.
|foo|2|stderr|tarnwick: Unexpected argument 'foo'.
|-f $(known feet.frequency) -c RG-8x|0|stdout|$(known feet.overall)
|-f $(known feet.frequency) -c rg8x|0|stdout|$(known feet.coax)
|-f $(known metric.frequency) --cable=RG-8X --metric|0|stdout|$(known metric.coax)
|-f 14.2 --velocity-factor=0.82|0|stdout|14.2 MHz, velocity factor 0.82
LC_ALL=de_DE.UTF-8|-f 14,2 --velocity-factor=0,82|0|stdout|14,2 MHz, velocity factor 0,82
LC_ALL=de_DE.UTF-8|-f 14.2 --velocity-factor=0.82|0|stdout|14,2 MHz, velocity factor 0,82
|-f 14.2 -c RG-8x --cut-list|0|stdout|Cut each wire end 4 FEET 4 INCHES, solder point to the end of the loop
|-f 14.2 -c RG-8x --resonance=13.95|0|stdout|shorten each wire end by 3 11/16 INCHES (rounded to the nearest 1/16 inch)
|-f 14.2 -c RG-8x --resonance=14.45 --metric|0|stdout|lengthen each wire end by 9.3 CM
LC_ALL=de_DE.UTF-8|--from=14 --to=14,35 --step=0.05 --velocity-factor=0.82 --format=csv|0|stdout|14.35,,0.82,
|-f 14.2 --velocity-factor=0.82 --format=json|0|stdout|  {"frequency_mhz": 14.2, "cable": null, "velocity_factor": 0.82, "overall": {"whole": 34,
|-f 14.2 --velocity-factor=0.82 -o OUT.csv|0|OUT.csv|frequency_mhz,cable,velocity_factor,overall_whole,
|--list-cables --format=csv|0|stdout|cable,velocity_factor
|-f 14.2 -c no-such-cable|2|stderr|tarnwick: Unknown cable 'no-such-cable'
|--from=1 --to=10001 --step=1 -c RG-8x|2|stderr|tarnwick: A sweep goes up from --from to --to, in at most 10000 rows.
|-f 14.2 -f 1E-37 -c RG-8x -o $output/kept.csv|1|stderr|tarnwick: 1E-37 MHz: Run-time error '6': Overflow
|-f 14.2 -f 1E-37 -c RG-8x -o $output/kept.csv|1|kept.csv|before
|-f 14.2 -c RG-8x -o $output/no/such/folder.txt|1|stderr|tarnwick: Cannot write $output/no/such/folder.txt
EOF_TABLE
exit $status
