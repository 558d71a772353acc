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
cache=/var/cache/tarnwick
root=$cache/debian-$release

if [ -z "${TARNWICK_IN_ROOT_NAMESPACE:-}" ]; then
  . "$checkout/scripts/packages.sh"
  install_missing "${DEBIAN_ROOT_PACKAGES[@]}"
  mkdir -p "$cache"
  # One run at a time per root: two would share its copy of the checkout.
  # The lock stays held through the exec below.
  exec 9>"$root.lock"
  flock 9

  if [ ! -d "$root" ]; then
    # Made beside its final place and moved there only when whole, so that
    # an interrupted run leaves nothing that looks usable.
    rm -rf "$root.partial"
    debootstrap --variant=minbase "$suite" "$root.partial" http://deb.debian.org/debian
    mv "$root.partial" "$root"
  fi

  # With the lock held, anything still mounted in the root is left over
  # from a run that was killed before it could clean up.
  findmnt -rn -o TARGET | awk -v root="$root/" 'index($0, root) == 1' | sort -r |
    while read -r target; do
      umount -l "$target"
    done

  # The root's mounts live in a mount namespace of their own, so they go
  # with the last process in it however the run ends, and never show on
  # the host.
  TARNWICK_IN_ROOT_NAMESPACE=1 exec unshare --mount --propagation private "$0" "$release" "$@"
fi

mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
for dev in /dev /dev/pts /dev/shm; do
  mount --bind "$dev" "$root$dev"
done

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
