# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
"""Runs the Orca screen reader with its debug log written line by line.

Usage: orca_listen.py DEBUG_LOG PREFERENCES_DIR

What Orca's own launcher does, less two things that get in a test's way: it
refuses to start while any other process of the user is called orca, and it
writes its debug log in blocks, so that what was said shows up late.
"""
import sys

from orca import debug

debug.debugLevel = debug.LEVEL_ALL
debug.eventDebugLevel = debug.LEVEL_OFF
debug.debugFile = open(sys.argv[1], "w", encoding="utf-8", buffering=1)

# After the log is set up, as Orca's launcher does.
from orca import orca, settings_manager  # noqa: E402

# Orca 46 renamed its accessors.
manager = settings_manager.get_manager() if hasattr(settings_manager, "get_manager") else settings_manager.getManager()
manager.activate(sys.argv[2], {})
sys.exit(orca.main())
