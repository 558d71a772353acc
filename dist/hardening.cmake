# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# The hardening Debian builds its own packages with, on the settings target,
# so every target of ours gets it by linking that. A sanitizer build has
# run-time checks of its own and goes without; fortified functions need the
# optimiser, so a Debug build goes without those. The linker options only
# take effect where something is linked: programs and plugins.
if(TARNWICK_SANITIZE)
  return()
endif()
target_compile_options(tarnwick_settings INTERFACE -fstack-protector-strong)
target_link_options(tarnwick_settings INTERFACE LINKER:-z,relro LINKER:-z,now)

# A distribution that builds with a fortify level of its own keeps it: one
# in the flags is never undone or lowered. Debian's tools give it in
# CPPFLAGS, which CMake does not read: debhelper hands them over in CXXFLAGS,
# a build by hand after `dpkg-buildflags --export` does not, so there the
# level is taken from CPPFLAGS. With none given, the highest level the
# compiler and C library offer: 3 where they know it (GCC 12 or Clang 9,
# with glibc 2.34), else 2.
string(TOUPPER "${CMAKE_BUILD_TYPE}" build_type)
if("${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_${build_type}}" MATCHES "_FORTIFY_SOURCE")
  return()
endif()
string(REGEX MATCHALL "-[DU]_FORTIFY_SOURCE(=[0-9]+)?" fortify_in_cppflags "$ENV{CPPFLAGS}")
if(fortify_in_cppflags)
  target_compile_options(tarnwick_settings INTERFACE "$<$<NOT:$<CONFIG:Debug>>:${fortify_in_cppflags}>")
  return()
endif()
include(CheckCXXSourceCompiles)
# Some compilers (Ubuntu's GCC) set a level of their own when optimizing;
# defining it again would be a redefinition.
set(CMAKE_REQUIRED_FLAGS "-O2")
check_cxx_source_compiles("#ifdef _FORTIFY_SOURCE
  #error the compiler sets a level itself
  #endif
  int main() {}" TARNWICK_FORTIFY_SOURCE_UNSET)
if(NOT TARNWICK_FORTIFY_SOURCE_UNSET)
  unset(CMAKE_REQUIRED_FLAGS)
  return()
endif()
set(CMAKE_REQUIRED_FLAGS "-O2 -D_FORTIFY_SOURCE=3")
check_cxx_source_compiles("#include <cstdio>
  #if __USE_FORTIFY_LEVEL < 3
  #error the C library takes level 3 for 2
  #endif
  int main() {}" TARNWICK_FORTIFY_SOURCE_3)
unset(CMAKE_REQUIRED_FLAGS)
if(TARNWICK_FORTIFY_SOURCE_3)
  set(fortify_level 3)
else()
  set(fortify_level 2)
endif()
target_compile_definitions(tarnwick_settings INTERFACE "$<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=${fortify_level}>")
