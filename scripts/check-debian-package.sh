#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# What Debian asks of the package before it takes it into its archive, on
# the release the package is for; CI runs it as
#   scripts/in-debian.sh 13 scripts/check-debian-package.sh
# The source and binary packages build from the project's source archive,
# with the package's own test run; lintian, at its strictest, finds nothing
# that dist/debian/ does not override with a reason; the package's tests
# (dist/debian/tests) pass against the built package installed; and the package
# builds reproducibly.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
. tests/packaging/packagechecks.sh
# The build needs no more than dist/debian/control names: on a fresh root it
# has nothing else, for the checkers come after it.
install_missing "${BUILD_PACKAGES[@]}" build-essential debhelper
work=$(mktemp -d)
trap 'rm -rf "$work"; dpkg-query -W tarnwick >/dev/null 2>&1 && apt-get purge -y -qq tarnwick >/dev/null' EXIT

step() { printf '\n== %s (%s)\n' "$1" "$(date -u +%T)"; }
step "source archive"
cmake -S . -B "$work/build" >/dev/null
make_source_archive "$work/build" "$work/source"
archive=$(ls "$work"/source/tarnwick-*.tar.gz)

step "source and binary packages, with the test run"
DEB_BUILD_OPTIONS=parallel=2 scripts/debian-package.sh "$archive" "$work/out" >"$work/build.log" 2>&1 ||
  { tail -n 80 "$work/build.log"; exit 1; }
grep -E '^(100% tests passed|[0-9]+% tests passed|Total Test time)' "$work/build.log" || true

install_missing lintian autopkgtest faketime diffoscope-minimal
step "lintian $(lintian --version | cut -d' ' -f2)"
lint_packages "$work"/out/*.changes
((status == 0)) || exit 1

step "autopkgtest"
autopkgtest --summary-file="$work/summary" "$work"/out/tarnwick_*.deb "$work"/out/tarnwick_*.dsc -- null \
  >"$work/autopkgtest.log" 2>&1 || { cat "$work/autopkgtest.log"; exit 1; }
cat "$work/summary"

step "reproducible build"
scripts/check-reproducible.sh "$archive"
step "done"
