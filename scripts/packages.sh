# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# Sourced by the set-up scripts: the Debian packages each needs, and the one
# way they are installed.

# What building the program needs: the build dependencies
# dist/debian/control names, without their versions and build profiles, and
# without debhelper, which only the Debian package's build uses; and besides
# them the compiler and the build tool build.sh uses.
mapfile -t BUILD_PACKAGES < <(
  sed -n '/^Build-Depends:/,/^[^ ]/{s/^Build-Depends://; /^[^ ]/d; p}' "${BASH_SOURCE[0]%/*}/../dist/debian/control" |
    tr ',' '\n' | sed 's/[(<[].*//; s/ //g' | grep -v -e '^debhelper-compat$' -e '^$')
BUILD_PACKAGES+=(ninja-build g++)
# What the program's own tests need besides: an X server for the
# window-manager checks, the GTK theme for the dark-theme check, and for the
# desktop checks a Wayland compositor, the accessibility bus and the Orca
# screen reader with speech-dispatcher and a keyboard to drive it.
TEST_PACKAGES=(xvfb xauth qt6-gtk-platformtheme weston qt6-wayland dbus-daemon dbus-bin at-spi2-core python3-pyatspi
               orca speech-dispatcher xdotool)
# What ./build.sh check needs on top: clang-format and clang-tidy for the
# code checks, reuse for the licensing, and the validators, packagers and
# package builders the packaging checks run (dpkg-buildpackage wants
# build-essential besides the build dependencies).
CHECK_PACKAGES=(clang-format clang-tidy reuse x11-utils desktop-file-utils appstream dpkg-dev build-essential debhelper file
                binutils-mingw-w64-x86-64 lintian rpm rpmlint cpio man-db)

# What scripts/in-debian.sh needs to make a root of another Debian release.
DEBIAN_ROOT_PACKAGES=(debootstrap)

# Installs those of the given packages that are missing, with sudo when not root.
install_missing() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
  done
  ((${#missing[@]})) || return 0
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
