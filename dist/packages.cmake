# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# The Debian package, the RPM and the source archive, all made by CPack from
# the install rules. Included once every target is declared.

set(CPACK_PACKAGE_NAME tarnwick)
set(CPACK_PACKAGE_VERSION ${TARNWICK_PACKAGE_VERSION})
set(CPACK_PACKAGE_VENDOR "tarnwick developers")
set(CPACK_PACKAGE_CONTACT "tarnwick developers <tarnwick@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Coaxial dipole length calculator for amateur radio")
set(CPACK_PACKAGE_DESCRIPTION
"tarnwick computes the lengths of a coaxial dipole: a half-wave dipole whose
centre section is a length of coax cable and whose ends are wire. Given the
operating frequency and one of twenty cable types, it shows the overall
length and the length of the coax section in feet and inches or in metres
and centimetres, on a drawing of the antenna, and shows how to build its
centre and its ends.")
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

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TARNWICK_HOMEPAGE})

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
