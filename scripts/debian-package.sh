#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# Builds the Debian packages from the project's source archive (made by
# `cpack --config BUILD/CPackSourceConfig.cmake`), the way Debian builds
# them: the archive becomes the original tarball, its dist/debian/ is added
# to its unpacked tree as debian/, and dpkg-buildpackage runs there. The
# packages land in OUTPUT_FOLDER; further arguments go to dpkg-buildpackage
# (the default builds the source package and the binary ones).
#   scripts/debian-package.sh build/tarnwick-1.0.0.tar.gz out -b
set -euo pipefail
(($# >= 2)) || { echo "usage: $0 SOURCE_ARCHIVE OUTPUT_FOLDER [dpkg-buildpackage options]" >&2; exit 2; }
archive=$(realpath "$1") output=$2
shift 2

name=$(basename "$archive" .tar.gz)
version=${name#tarnwick-}
mkdir -p "$output"
cp "$archive" "$output/tarnwick_$version.orig.tar.gz"
tar -xzf "$archive" -C "$output"
cd "$output/$name"
cp -R dist/debian debian
dpkg-buildpackage --no-sign "$@"
