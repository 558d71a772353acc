#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# Usage: on_x_server.sh COMMAND...
# Runs a command on an X server of its own, started as every check that
# needs one starts it, and ended with the command.
set -euo pipefail
. "$(dirname "$0")/session.sh"
start_x_server
"$@"
