# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# project() holds the version and the newest changelog entry the release
# date; the files that name either are generated from them here, but for
# app/'s version.h, which app/ configures itself.

# The program's own version text, the one its Windows version block carries,
# is major, dot, minor in two digits: 1.0 is "1.00". What a user reads on
# Linux, --version, the manual page, the packages and the metainfo, is
# major.minor.patch.
string(REGEX REPLACE "^(.)$" "0\\1" minor_two_digits "${PROJECT_VERSION_MINOR}")
set(TARNWICK_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${minor_two_digits}")
set(TARNWICK_PACKAGE_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}")
# The first release of every version is release 1 of its RPM.
set(TARNWICK_RPM_RELEASE 1)

configure_file(${CMAKE_CURRENT_LIST_DIR}/windows/tarnwick.rc.in
               ${PROJECT_BINARY_DIR}/dist/windows/tarnwick.rc @ONLY)

# The changelog is kept in Debian's form. Its newest entry takes the version
# from project(); older entries keep the version they were released as.
set(TARNWICK_DEBIAN_CHANGELOG ${PROJECT_BINARY_DIR}/dist/changelog)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${TARNWICK_DEBIAN_CHANGELOG} @ONLY)
file(READ ${TARNWICK_DEBIAN_CHANGELOG} changelog)

set(signoff " -- ([^\n]+)  ([A-Z][a-z][a-z]), ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) [^\n]*")
if(NOT changelog MATCHES "\n${signoff}")
  message(FATAL_ERROR "${CMAKE_CURRENT_LIST_DIR}/changelog.in: no sign-off line in the newest entry")
endif()
set(day ${CMAKE_MATCH_3})
set(year ${CMAKE_MATCH_5})
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months "${CMAKE_MATCH_4}" month)
math(EXPR month "${month} + 1")
string(REGEX REPLACE "^(.)$" "0\\1" month "${month}")
set(TARNWICK_RELEASE_DATE "${year}-${month}-${day}")

# RPM's form of the same entries: "* Www Mmm DD YYYY who - version-release"
# heading each entry's items.
set(entry "tarnwick \\(([^)]+)\\)[^\n]*\n\n((  [^\n]*\n|\n)*)${signoff}\n?")
string(REGEX REPLACE "${entry}" "* \\5 \\7 \\6 \\8 \\4 - \\1-${TARNWICK_RPM_RELEASE}\n\\2"
       rpm_changelog "${changelog}")
string(REGEX REPLACE "\n  \\* " "\n- " rpm_changelog "${rpm_changelog}")
string(REGEX REPLACE "\n    " "\n  " rpm_changelog "${rpm_changelog}")
set(TARNWICK_RPM_CHANGELOG ${PROJECT_BINARY_DIR}/dist/rpm-changelog)
file(WRITE ${TARNWICK_RPM_CHANGELOG} "${rpm_changelog}")
