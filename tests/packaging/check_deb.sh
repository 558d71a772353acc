#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package from the build tree, unpacks it and checks what
# it holds and what it depends on.
set -euo pipefail
build=$1
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null)
deb=$(ls "$work"/out/tarnwick_*.deb)
dpkg-deb -x "$deb" "$work/root"

status=0
expect_file() {
  [ -f "$work/root/$1" ] || { echo "missing from the package: $1"; status=1; }
}
expect_file usr/bin/tarnwick
expect_file usr/share/applications/org.tarnwick.tarnwick.desktop
expect_file usr/share/metainfo/org.tarnwick.tarnwick.metainfo.xml
for size in 16 32 48 64 128; do
  icon=usr/share/icons/hicolor/${size}x${size}/apps/org.tarnwick.tarnwick.png
  expect_file "$icon"
  [ -f "$work/root/$icon" ] && ! file "$work/root/$icon" | grep -q "PNG image data, $size x $size" &&
    { echo "$icon is not a $size x $size PNG"; status=1; }
done
[ -x "$work/root/usr/bin/tarnwick" ] || { echo "the program is not executable"; status=1; }

[ "$(dpkg-deb -f "$deb" Package)" = tarnwick ] || { echo "wrong package name"; status=1; }
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libc6; do
  grep -q "$library" <<<"$depends" || { echo "Depends lacks $library: $depends"; status=1; }
done
exit $status
