#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# Builds the Debian package from the source archive as Debian builds it, but
# without its test run, which the suite has just done; has lintian check it,
# and checks its listing, what it holds, its version, its homepage and what
# it depends on.
set -euo pipefail
build=$1 version=$2 licence=$3
. "$(dirname "$0")/packagechecks.sh"
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
make_source_archive "$build" "$work/source"
DEB_BUILD_OPTIONS="nocheck parallel=2" "$(dirname "$0")/../../scripts/debian-package.sh" \
  "$work"/source/tarnwick-*.tar.gz "$work/out" -b >"$work/build.log" 2>&1 ||
  { tail -n 40 "$work/build.log"; exit 1; }
deb=$(ls "$work"/out/tarnwick_*.deb)

# The binary packages only: the source package is for Debian's next release,
# whose policy Debian 12's lintian does not know (newer-standards-version),
# and scripts/check-debian-package.sh lints it there.
lint_packages "$work"/out/*.changes
dpkg-deb -c "$deb"
check_listing < <(dpkg-deb -c "$deb" | awk '{ print $1, $2, substr($6, 2) }')
dpkg-deb -x "$deb" "$work/root"
check_unpacked "$work/root" "$licence"

# what | found | expected
while IFS='|' read -r what found expected; do
  [ "$found" = "$expected" ] || fail "$what: \"$found\", expected \"$expected\""
done <<EOF_TABLE
upstream version|$(dpkg-deb -f "$deb" Version | sed 's/-[^-]*$//')|$(package_version "$version")
homepage, as the website window shows it|$(dpkg-deb -f "$deb" Homepage)|$TARNWICK_HOMEPAGE
source address in the copyright file|$(sed -n 's/^Source: //p' "$work/root/usr/share/doc/tarnwick/copyright")|$TARNWICK_HOMEPAGE
EOF_TABLE
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libc6 fonts-liberation; do
  grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done
exit $status
