#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# Builds the RPM from the build tree, has rpmlint check it, and checks its
# listing, what it holds, its version, that its summary is the Debian
# package's, and that it requires libraries by soname rather than by any
# distribution's package names.
set -euo pipefail
build=$1 version=$2 licence=$3
. "$(dirname "$0")/packagechecks.sh"
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
make_package RPM "$build"
rpm=$(ls "$work"/out/tarnwick-*.rpm)

# Errors fail rpmlint; its warnings are printed for whoever reads the log.
rpmlint -c "$(dirname "$0")/rpmlint.toml" "$rpm" || fail "rpmlint finds errors"
rpm -qlvp "$rpm"
check_listing < <(rpm -qlvp "$rpm" | awk '{ print $1, $3 "/" $4, substr($9, 2) }')
mkdir "$work/root"
rpm2cpio "$rpm" | (cd "$work/root" && cpio -idm --quiet)
check_unpacked "$work/root" "$licence"
rpm -qp --licensefiles "$rpm" | grep -qx /usr/share/doc/tarnwick/copyright ||
  fail "the copyright file is not marked as the licence"

[ "$(rpm -qp --qf '%{VERSION}' "$rpm")" = "$(package_version "$version")" ] ||
  fail "the package version is not $(package_version "$version")"
summary=$(rpm -qp --qf '%{SUMMARY}' "$rpm")
grep -qix "Description: $summary" "$(dirname "$0")/../../dist/debian/control" ||
  fail "the summary \"$summary\" is not the Debian package's"
requires=$(rpm -qpR "$rpm")
unexpected=$(grep -Ev '^(lib[^ ]+\.so[^ ]*|rpmlib\(.*|rtld\(.*|font\(.*\))$' <<<"$requires" || true)
[ -z "$unexpected" ] || fail "requires something other than a soname or font: $unexpected"
for library in libQt6Widgets.so.6 libQt6Gui.so.6 libQt6Core.so.6 libc.so.6; do
  grep -q "^$library()" <<<"$requires" || fail "Requires lacks $library: $requires"
done
exit $status
