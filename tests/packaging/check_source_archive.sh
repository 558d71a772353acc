#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# Builds the source archive, checks that it leaves out the repository and
# build folders but carries the licence, then configures a clean unpack and
# builds the program and its manual page from it.
set -euo pipefail
build=$1 version=$2 licence=$3
. "$(dirname "$0")/packagechecks.sh"
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
make_source_archive "$build" "$work/out"
name=tarnwick-$(package_version "$version")
archive=$work/out/$name.tar.gz
[ -f "$archive" ] || { echo "no $name.tar.gz among: $(ls "$work/out")"; exit 1; }

tar -tzf "$archive" > "$work/listing"
echo "$(wc -l < "$work/listing") entries in $name.tar.gz"
outside=$(grep -v "^$name/" "$work/listing" || true)
[ -z "$outside" ] || fail "outside the $name/ folder: $(head -n3 <<<"$outside")"
left_in=$(grep -E "^$name/(\.git(/|$)|build[^/]*/)" "$work/listing" || true)
[ -z "$left_in" ] || fail "repository or build files in the archive: $(head -n3 <<<"$left_in")"

tar -xzf "$archive" -C "$work"
cmp "$licence" "$work/$name/LICENSE" || fail "the archive's LICENSE differs"
cmake -S "$work/$name" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/build" -j2 --target tarnwick tarnwick_compressed_docs >/dev/null
[ -x "$work/build/tarnwick" ] || fail "the unpacked source did not build the program"
check_manual_page "$work/build/dist/linux/compressed/tarnwick.1.gz"
exit $status
