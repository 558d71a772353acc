# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# Sourced by the checks that need the worked example: "$(known feet.overall)".
known_results=$(dirname "${BASH_SOURCE[0]}")/knownresults.txt
known() {
  awk -v key="$1" 'index($0, key "=") == 1 { print substr($0, length(key) + 2) }' "$known_results"
}
