#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# The menu entry and the software-centre description pass their validators
# without errors or warnings.
set -euo pipefail
desktop=$1 metainfo=$2
report=$(desktop-file-validate "$desktop" 2>&1 | grep -v ': hint: ' || true)
if [ -n "$report" ]; then echo "$report"; exit 1; fi
grep -q '^Categories=.*HamRadio;' "$desktop" || { echo "not in the HamRadio category"; exit 1; }
appstreamcli validate --no-net --pedantic "$metainfo"
