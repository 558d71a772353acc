#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# Runs a command on a clean copy of this checkout inside a root of another
# Debian release, for example:
#   scripts/in-debian.sh 13 ./build.sh test
# The root is made from Debian's packages the first time and kept in
# /var/cache/tarnwick for the next run; delete it there to start afresh.
# Needs root: runs itself again with sudo when not.
set -euo pipefail

usage() { echo "usage: $0 13 COMMAND..." >&2; exit 2; }
(($# >= 2)) || usage
release=$1
shift
case "$release" in
  13) suite=trixie ;;
  *) usage ;;
esac

if [ "$(id -u)" -ne 0 ]; then
  exec sudo --preserve-env=CI "$0" "$release" "$@"
fi

checkout=$(cd "$(dirname "$0")/.." && pwd)
. "$checkout/scripts/packages.sh"
install_missing "${DEBIAN_ROOT_PACKAGES[@]}"

cache=/var/cache/tarnwick
root=$cache/debian-$release
mkdir -p "$cache"
# One run at a time per root: two would share its mounts and its copy.
exec 9>"$root.lock"
flock 9

if [ ! -d "$root" ]; then
  # Made beside its final place and moved there only when whole, so that an
  # interrupted run leaves nothing that looks usable.
  rm -rf "$root.partial"
  debootstrap --variant=minbase "$suite" "$root.partial" http://deb.debian.org/debian
  mv "$root.partial" "$root"
fi

mounted=()
unmount_all() {
  local i
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount "${mounted[i]}" || umount -l "${mounted[i]}" || true
  done
}
trap unmount_all EXIT
mount_in_root() { # TARGET MOUNT-ARGUMENTS...
  local target=$root$1
  shift
  mount "$@" "$target"
  mounted+=("$target")
  # Nothing mounted below it reaches back to the host's own tree.
  mount --make-private "$target"
}
mount_in_root /proc -t proc proc
mount_in_root /sys -t sysfs sysfs
mount_in_root /dev --bind /dev
mount_in_root /dev/pts --bind /dev/pts
mount_in_root /dev/shm --bind /dev/shm

# The root reaches the package mirrors the way the host does.
cp /etc/resolv.conf /etc/hosts "$root/etc/"

# The files git would commit, without the host's build folders.
work=/srv/tarnwick
rm -rf "${root:?}$work"
mkdir -p "$root$work"
git -C "$checkout" ls-files -z --cached --others --exclude-standard |
  tar -C "$checkout" --null --ignore-failed-read -T - -cf - | tar -C "$root$work" -xf -

ci=()
[ -n "${CI+set}" ] && ci=("CI=$CI")
chroot "$root" /usr/bin/env -i -C "$work" HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "${ci[@]}" "$@"
