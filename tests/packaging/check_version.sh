#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# Everything the build generates that names the version or the release date
# agrees with project()'s version and the newest changelog entry, and so does
# the Debian package's changelog. The packages' own version fields are
# checked where each package is built.
set -euo pipefail
build=$1 version=$2 debian_changelog=$3
. "$(dirname "$0")/packagechecks.sh"
text=$(version_text "$version")
changelog=$build/dist/changelog
date=$(date -u -d "$(dpkg-parsechangelog -l "$changelog" -S Date)" +%F)
metainfo=$build/dist/linux/org.tarnwick.tarnwick.metainfo.xml
manual_title=$(grep '^\.TH' "$build/dist/linux/tarnwick.1")

# what | found | expected
while IFS='|' read -r what found expected; do
  [ "$found" = "$expected" ] || fail "$what: \"$found\", expected \"$expected\""
done <<EOF_TABLE
the program's version text|$(strings -el "$build/tarnwick" | grep -Fx "$text" || true)|$text
newest changelog entry|$(dpkg-parsechangelog -l "$changelog" -S Version)|$(package_version "$version")
newest Debian changelog entry's upstream version|$(dpkg-parsechangelog -l "$debian_changelog" -S Version | sed 's/-[^-]*$//')|$(package_version "$version")
newest RPM changelog entry|$(head -n1 "$build/dist/rpm-changelog" | sed 's/.* - //')|$(package_version "$version")-1
newest metainfo release|$(grep -o -m1 '<release [^>]*>' "$metainfo")|<release version="$(package_version "$version")" date="$date">
manual page title|$manual_title|.TH TARNWICK 1 "$date" "tarnwick $(package_version "$version")" "User Commands"
EOF_TABLE
exit $status
