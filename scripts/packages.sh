# SPDX-License-Identifier: MIT
# Sourced by the set-up scripts: the Debian packages each needs, and the one
# way they are installed.

# What building the program needs.
BUILD_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
                libxcb1-dev fonts-liberation qt6-svg-dev)
# What the test suite needs besides: an X server for the window-manager
# checks, the GTK theme for the dark-theme check, Google Benchmark for the
# benchmarks the test build compiles, clang-format and clang-tidy for the
# code checks, the validators and packagers the packaging checks run, and for
# the desktop checks a Wayland compositor, the accessibility bus and the Orca
# screen reader with speech-dispatcher and a keyboard to drive it.
TEST_PACKAGES=(xvfb xauth qt6-gtk-platformtheme libbenchmark-dev clang-format clang-tidy x11-utils desktop-file-utils appstream dpkg-dev file binutils-mingw-w64-x86-64 lintian rpm rpmlint cpio man-db
               weston qt6-wayland dbus-daemon dbus-bin at-spi2-core python3-pyatspi
               orca speech-dispatcher xdotool)

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
