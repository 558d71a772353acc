# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# The software centre's release notes: every entry of the changelog, newest
# first, as an AppStream <release> whose description lists the entry's items.
file(READ ${TARNWICK_DEBIAN_CHANGELOG} changelog)
set(entry "tarnwick \\(([^)]+)\\)[^\n]*\n\n((  [^\n]*\n|\n)*) -- [^\n]+  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9])")
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
set(TARNWICK_APPSTREAM_RELEASES "")
# Entry by entry, each taken off the text once read: the entries hold
# semicolons, so a CMake list of them would not keep them whole.
while(changelog MATCHES "${entry}")
  string(REPLACE "${CMAKE_MATCH_0}" "" changelog "${changelog}")
  set(version ${CMAKE_MATCH_1})
  set(items ${CMAKE_MATCH_2})
  set(day ${CMAKE_MATCH_4})
  set(year ${CMAKE_MATCH_6})
  list(FIND months ${CMAKE_MATCH_5} month)
  math(EXPR month "${month} + 1")
  string(REGEX REPLACE "^(.)$" "0\\1" month "${month}")

  string(REPLACE "&" "&amp;" items "${items}")
  string(REPLACE "<" "&lt;" items "${items}")
  string(REPLACE ">" "&gt;" items "${items}")
  # One <li> an item: "  * " opens it, deeper-indented lines continue it.
  string(REGEX REPLACE "\n    +" " " items "${items}")
  string(REGEX REPLACE "  \\* ([^\n]*)\n" "          <li>\\1</li>\n" items "${items}")
  string(STRIP "${items}" items)
  string(APPEND TARNWICK_APPSTREAM_RELEASES
    "    <release version=\"${version}\" date=\"${year}-${month}-${day}\">\n"
    "      <description>\n"
    "        <ul>\n"
    "          ${items}\n"
    "        </ul>\n"
    "      </description>\n"
    "    </release>\n")
endwhile()
string(STRIP "${TARNWICK_APPSTREAM_RELEASES}" TARNWICK_APPSTREAM_RELEASES)
