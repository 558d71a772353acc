# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# Sourced by the packaging checks: the program's version in its derived
# forms, building a package, and what every package must hold however it is
# packed. A failed check says what is wrong and sets status to 1.
status=0
fail() { echo "$*"; status=1; }

# project() gives major.minor.patch.tweak. The program shows major, dot,
# minor in two digits; the packages carry major.minor.patch.
version_text() { local IFS=.; set -- $1; printf '%d.%02d' "$1" "$2"; }
package_version() { local IFS=.; set -- $1; printf '%s.%s.%s' "$1" "$2" "$3"; }

# Builds the package of the given CPack generator from a build tree into
# $work/out.
make_package() {
  local generator=$1 build=$2
  (cd "$work" && cpack -G "$generator" --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null)
}

# Makes the source archive of a build tree's source in the given folder.
make_source_archive() {
  local build=$1 folder=$2
  (cd "$work" && cpack -G TGZ --config "$build/CPackSourceConfig.cmake" -B "$folder" >/dev/null)
}

# lintian at its strictest: every tag down to the pedantic ones fails the
# check unless dist/debian/ overrides it with its reason.
lint_packages() {
  lintian --pedantic --display-info --fail-on error,warning,info,pedantic "$@" || fail "lintian finds fault with $*"
}

# Reads a listing of "mode owner/group path" lines: root owns everything,
# programs are 0755 and other files 0644, as Debian and Fedora ask.
check_listing() {
  local mode owner path want
  while read -r mode owner path; do
    case "$mode $path" in
      l*) continue ;;
      d*) want=drwxr-xr-x ;;
      *" "*/bin/*) want=-rwxr-xr-x ;;
      *) want=-rw-r--r-- ;;
    esac
    [ "$mode" = "$want" ] || fail "$path is $mode, not $want"
    [ "$owner" = root/root ] || fail "$path belongs to $owner, not root/root"
  done
}

# The manual page renders without warnings.
check_manual_page() {
  local report
  report=$(MANWIDTH=80 man --warnings -l "$1" 2>&1 >/dev/null) || fail "the manual page $1 does not render"
  [ -z "$report" ] || fail "the manual page renders with warnings: $report"
}

# What an unpacked package holds: the program, its menu entry, description
# and icons, a manual page that renders without warnings, and LICENSE word
# for word in Debian's machine-readable copyright file.
check_unpacked() {
  local root=$1 licence=$2 file size icon report
  for file in usr/bin/tarnwick usr/share/applications/org.tarnwick.tarnwick.desktop \
              usr/share/metainfo/org.tarnwick.tarnwick.metainfo.xml usr/share/man/man1/tarnwick.1.gz \
              usr/share/doc/tarnwick/copyright usr/share/doc/tarnwick/changelog.gz; do
    [ -f "$root/$file" ] || fail "missing from the package: $file"
  done
  for size in 16 32 48 64 128 256; do
    icon=usr/share/icons/hicolor/${size}x${size}/apps/org.tarnwick.tarnwick.png
    file "$root/$icon" 2>&1 | grep -q "PNG image data, $size x $size" || fail "$icon is not a $size x $size PNG"
  done
  icon=usr/share/icons/hicolor/scalable/apps/org.tarnwick.tarnwick.svg
  file "$root/$icon" 2>&1 | grep -q "SVG Scalable Vector Graphics image" || fail "$icon is not an SVG image"

  check_manual_page "$root/usr/share/man/man1/tarnwick.1.gz"

  local copyright=$root/usr/share/doc/tarnwick/copyright
  head -n1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "the copyright file is not in Debian's machine-readable format"
  # REUSE-IgnoreStart
  grep -qx "Copyright: $(sed -n 's/^Copyright (c) //p' "$licence")" "$copyright" ||
    fail "the copyright file names another holder than LICENSE"
  # REUSE-IgnoreEnd
  # The text indented under a "License: MIT" line: the stand-alone licence
  # paragraph, which the files' paragraphs name without a text of their own.
  diff <(sed -n '/^Permission/,$p' "$licence") \
       <(awk '/^License: MIT$/ { text = 1; next } text && /^ / { print; next } { text = 0 }' "$copyright" |
         sed 's/^ //; s/^\.$//') ||
    fail "the copyright file's terms differ from LICENSE"
}
