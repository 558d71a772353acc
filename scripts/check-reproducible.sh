#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# Builds the Debian package twice from one source archive, as two builders
# would who share nothing but the source: in folders of different names and
# depths, a year and a month apart by the clock, with different umasks, time
# zones and numbers of jobs. The .deb files must be the same, byte for byte;
# where diffoscope is installed, it shows what differs.
#   scripts/check-reproducible.sh build/tarnwick-1.0.0.tar.gz
set -euo pipefail
(($# == 1)) || { echo "usage: $0 SOURCE_ARCHIVE" >&2; exit 2; }
archive=$(realpath "$1")
package=$(dirname "$(realpath "$0")")/debian-package.sh
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT

# FOLDER UMASK TIME-ZONE JOBS [COMMAND THAT SETS THE CLOCK]
build() {
  local folder=$1 mask=$2 zone=$3 jobs=$4
  shift 4
  if ! (umask "$mask" && TZ=$zone DEB_BUILD_OPTIONS="nocheck parallel=$jobs" \
        "$@" "$package" "$archive" "$folder" -b >"$folder.log" 2>&1); then
    tail -n 40 "$folder.log"
    echo "the build in $folder failed"
    exit 1
  fi
}
first=$work/first
second=$work/second/a/longer/path
mkdir -p "$(dirname "$second")"
build "$first" 0022 UTC 2
# The clock alone moves: files keep the times they were given, as the source
# archive's do for every builder.
build "$second" 0077 Pacific/Chatham 1 env NO_FAKE_STAT=1 faketime -f +397d

status=0
(cd "$first" && ls ./*.deb) > "$work/first.list"
(cd "$second" && ls ./*.deb) > "$work/second.list"
diff "$work/first.list" "$work/second.list" || { echo "the two builds made different packages"; status=1; }
while read -r deb; do
  if cmp -s "$first/$deb" "$second/$deb"; then
    echo "reproducible: ${deb#./} ($(sha256sum < "$first/$deb" | cut -c1-16))"
    continue
  fi
  echo "NOT REPRODUCIBLE: ${deb#./} differs between the two builds"
  if command -v diffoscope >/dev/null; then
    diffoscope --text - "$first/$deb" "$second/$deb" || true
  fi
  status=1
done < "$work/first.list"
exit $status
