# SPDX-FileCopyrightText: 2026 tarnwick developers
# SPDX-License-Identifier: MIT
# TARNWICK_SANITIZE builds every target of the tree with AddressSanitizer and
# UndefinedBehaviorSanitizer, so the whole test suite doubles as a memory and
# undefined-behaviour check. Undefined behaviour aborts instead of printing
# and going on: a report that scrolls by in a passing test is never read.
#
# Tests of such a build read the compile definition TARNWICK_SANITIZED to
# shorten their soak loops, which run many times slower here and would only
# repeat what a few rounds already show.
option(TARNWICK_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(TARNWICK_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
  add_compile_definitions(TARNWICK_SANITIZED)

  # The sanitizer settings and the leak suppressions are compiled into every
  # program rather than handed over in the environment, so they hold however
  # a program is started: by ctest, from an IDE, or by a test that starts a
  # helper program of its own. The environment still overrides them.
  set(suppressions "${CMAKE_CURRENT_LIST_DIR}/lsan.supp")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${suppressions}")
  file(READ "${suppressions}" TARNWICK_LSAN_SUPPRESSIONS)
  configure_file("${CMAKE_CURRENT_LIST_DIR}/sanitizerdefaults.cpp.in"
                 "${CMAKE_BINARY_DIR}/sanitizerdefaults.cpp" @ONLY)
  add_library(tarnwick_sanitizer_defaults OBJECT "${CMAKE_BINARY_DIR}/sanitizerdefaults.cpp")
  set_target_properties(tarnwick_sanitizer_defaults PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
  # Every target declared after this line gets the object linked in.
  link_libraries(tarnwick_sanitizer_defaults)
endif()
