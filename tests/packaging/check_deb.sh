#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# Builds the Debian package from the build tree, has lintian check it, and
# checks its listing, what it holds, its version and what it depends on.
set -euo pipefail
build=$1 version=$2 licence=$3
. "$(dirname "$0")/packagechecks.sh"
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
make_package DEB "$build"
deb=$(ls "$work"/out/tarnwick_*.deb)

lintian --fail-on error,warning "$deb" || fail "lintian finds errors or warnings"
dpkg-deb -c "$deb"
check_listing < <(dpkg-deb -c "$deb" | awk '{ print $1, $2, substr($6, 2) }')
dpkg-deb -x "$deb" "$work/root"
check_unpacked "$work/root" "$licence"

[ "$(dpkg-deb -f "$deb" Version)" = "$(package_version "$version")" ] ||
  fail "the package version is not $(package_version "$version")"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libc6; do
  grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done
exit $status
