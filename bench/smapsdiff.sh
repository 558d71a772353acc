#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# Where one program's memory at its first painted frame goes beyond
# another's, mapping by mapping (resident KiB), largest first:
#
#   TARNWICK_FIRST_PAINT_SMAPS=floor.smaps build-bench/bench/tarnwick_probe_text --first-paint-fd=3 3>/dev/null
#   TARNWICK_FIRST_PAINT_SMAPS=program.smaps build-bench/bench/tarnwick_probe_tarnwick --first-paint-fd=3 3>/dev/null
#   bench/smapsdiff.sh floor.smaps program.smaps
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 BASE.smaps OTHER.smaps" >&2; exit 2; }

resident_by_mapping() {
  awk '/^[0-9a-f]+-[0-9a-f]+ /{ name = (NF >= 6 ? $6 : "[anonymous]"); sub(".*/", "", name); next }
       /^Rss:/{ kib[name] += $2 }
       END { for (n in kib) print n "\t" kib[n] }' "$1" | sort
}

differences=$(join -t $'\t' -a 1 -a 2 -e 0 -o 0,1.2,2.2 <(resident_by_mapping "$1") <(resident_by_mapping "$2") |
  awk -F '\t' '{ d = $3 - $2; if (d != 0) print d "\t" $2 "\t" $3 "\t" $1 }' | sort -t $'\t' -k1,1 -n -r)
awk -F '\t' '{ printf "%+7d KiB  %7s -> %7s  %s\n", $1, $2, $3, $4; total += $1 }
              END { printf "%+7d KiB  in all\n", total }' <<<"$differences"
