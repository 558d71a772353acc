# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# The homepage is the address the website window shows; the packages and
# the software-centre description take it from there, so it is written once.
tarnwick_read_fact(TARNWICK_HOMEPAGE ${PROJECT_SOURCE_DIR}/windows/web.ui "<string>(https?://[^<]+)</string>"
                   "web address among its texts")
