# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# Facts the build takes from where they are written once, in files of
# other kinds: a form, the licence, the Debian package's control file.

# Sets VARIABLE to what REGEX's first group matches in FILE, or stops with
# "FILE: no WHAT"; the build configures again when FILE changes.
function(tarnwick_read_fact variable file regex what)
  file(READ ${file} text)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${file})
  if(NOT text MATCHES "${regex}")
    message(FATAL_ERROR "${file}: no ${what}")
  endif()
  set(${variable} "${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()
