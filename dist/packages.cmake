# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# The RPM and the source archive, made by CPack from the install rules and
# the source folder; the Debian package is made from the source archive with
# dist/debian/ (scripts/debian-package.sh). Included once every target is
# declared.

# The description and the maintainer are written once, in the Debian
# package's control file; the RPM takes them from there.
set(control_file ${CMAKE_CURRENT_LIST_DIR}/debian/control)
tarnwick_read_fact(CPACK_PACKAGE_CONTACT ${control_file} "\nMaintainer: ([^\n]+)" Maintainer)
tarnwick_read_fact(synopsis ${control_file} "\nDescription: ([^\n]+)" Description)
tarnwick_read_fact(description ${control_file} "\nDescription: [^\n]+\n(( [^\n]*\n?)+)"
                   "description beyond the synopsis")
# RPM summaries start with a capital, Debian synopses in lower case.
string(SUBSTRING "${synopsis}" 0 1 initial)
string(SUBSTRING "${synopsis}" 1 -1 rest)
string(TOUPPER "${initial}" initial)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${initial}${rest}")
# Debian indents the text by one blank and writes an empty line as " .".
string(STRIP "${description}" description)
string(REPLACE "\n " "\n" description "${description}")
string(REPLACE "\n.\n" "\n\n" CPACK_PACKAGE_DESCRIPTION "${description}")

set(CPACK_PACKAGE_NAME tarnwick)
set(CPACK_PACKAGE_VERSION ${TARNWICK_PACKAGE_VERSION})
set(CPACK_PACKAGE_VENDOR "tarnwick developers")
# The program links only system libraries: the RUNPATH Qt's project set-up
# gives it, for libraries deployed beside it, would only be a place where a
# stray library could shadow the system's.
set_target_properties(tarnwick PROPERTIES INSTALL_RPATH "")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
# Folders the install creates on the way get the usual modes whatever the
# umask of whoever builds the package.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_RPM_FILE_NAME RPM-DEFAULT)
set(CPACK_RPM_PACKAGE_RELEASE ${TARNWICK_RPM_RELEASE})
set(CPACK_RPM_PACKAGE_LICENSE MIT)
set(CPACK_RPM_PACKAGE_URL ${TARNWICK_HOMEPAGE})
set(CPACK_RPM_PACKAGE_GROUP "Applications/Engineering")
set(CPACK_RPM_PACKAGE_AUTOREQ ON)
set(CPACK_RPM_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_RPM_SPEC_MORE_DEFINE "%define packager ${CPACK_PACKAGE_CONTACT}")
# The forms are laid out for Liberation Sans's metrics; fontconfig-based
# distributions name fonts by family rather than by package.
set(CPACK_RPM_PACKAGE_REQUIRES "font(liberationsans)")
set(CPACK_RPM_CHANGELOG_FILE ${TARNWICK_RPM_CHANGELOG})
set(CPACK_RPM_USER_FILELIST "%license /usr/${CMAKE_INSTALL_DOCDIR}/copyright")
# CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION comes from dist/linux.

set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_PACKAGE_FILE_NAME tarnwick-${TARNWICK_PACKAGE_VERSION})
# Only what is under the source folder is matched, so that an unpack inside
# a folder that happens to be called build-something still packs. CPack
# reads these back through a generated CMake file: backslashes are doubled.
string(REGEX REPLACE "([][+.*()^$?|\\\\])" "\\\\\\\\\\1" source_dir "${PROJECT_SOURCE_DIR}")
set(CPACK_SOURCE_IGNORE_FILES "^${source_dir}/\\\\.git(/|$)" "^${source_dir}/build[^/]*/" "\\\\.user$")

include(CPack)
