# SPDX-License-Identifier: MIT
# TARNWICK_SANITIZE builds every target of the tree with AddressSanitizer and
# UndefinedBehaviorSanitizer, so the whole test suite doubles as a memory and
# undefined-behaviour check. Undefined behaviour aborts instead of printing
# and going on: a report that scrolls by in a passing test is never read.
#
# Tests of such a build read the compile definition TARNWICK_SANITIZED to
# shorten their soak loops, which run some ten times slower here and would
# only repeat what a few rounds already show.
option(TARNWICK_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(TARNWICK_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
  add_compile_definitions(TARNWICK_SANITIZED)

  # Every test gets the same sanitizer settings, whoever declared it and
  # however it is started (ctest, an IDE, a test starting a helper program):
  # LeakSanitizer only ignores the known leaks of the libraries below Qt.
  set(TARNWICK_SANITIZER_ENVIRONMENT
      "ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1"
      "LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_LIST_DIR}/lsan.supp:print_suppressions=0"
      "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
      CACHE INTERNAL "Environment of every test in a sanitizer build")

  function(_tarnwick_sanitizer_test_environment directory)
    get_property(tests DIRECTORY "${directory}" PROPERTY TESTS)
    foreach(test IN LISTS tests)
      set_property(TEST "${test}" DIRECTORY "${directory}" APPEND
                   PROPERTY ENVIRONMENT ${TARNWICK_SANITIZER_ENVIRONMENT})
    endforeach()
    get_property(subdirectories DIRECTORY "${directory}" PROPERTY SUBDIRECTORIES)
    foreach(subdirectory IN LISTS subdirectories)
      _tarnwick_sanitizer_test_environment("${subdirectory}")
    endforeach()
  endfunction()

  # Runs once the whole tree is read, when every test exists.
  cmake_language(DEFER DIRECTORY "${CMAKE_SOURCE_DIR}"
                 CALL _tarnwick_sanitizer_test_environment "${CMAKE_SOURCE_DIR}")
endif()
