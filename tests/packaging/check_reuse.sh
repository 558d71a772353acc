#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# Usage: check_reuse.sh SOURCE_DIR
# Every file of the source says who holds its copyright and under which
# licence, as REUSE asks: in a line of its own where it can carry one, or in
# .reuse/dep5; and the Debian package's copyright file says the same.
# Checked on a copy without the build folders, as a source archive or a
# Debian root's copy has them.
set -euo pipefail
source=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
tar -C "$source" --exclude=./build --exclude='./build-*' --exclude=./.git -cf - . | tar -C "$work" -xf -
cd "$work"
reuse lint

files_say=$(reuse spdx | sed -n 's/^FileCopyrightText: <text>\(SPDX-FileCopyrightText: \)\{0,1\}\(.*\)<\/text>$/Copyright: \2/p
                                 s/^LicenseInfoInFile: /License: /p' | sort -u)
debian_says=$(grep -E '^(Copyright|License): ' dist/debian/copyright | sort -u)
if [ "$files_say" != "$debian_says" ]; then
  echo "dist/debian/copyright says otherwise than the files themselves:"
  diff <(echo "$files_say") <(echo "$debian_says")
  exit 1
fi
