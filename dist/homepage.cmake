# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# The homepage is the address the website window shows; the packages and
# the software-centre description take it from there, so it is written once.
set(website_form ${PROJECT_SOURCE_DIR}/windows/web.ui)
file(READ ${website_form} website_form_text)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${website_form})
if(NOT website_form_text MATCHES "<string>(https?://[^<]+)</string>")
  message(FATAL_ERROR "${website_form}: no web address among its texts")
endif()
set(TARNWICK_HOMEPAGE "${CMAKE_MATCH_1}")
