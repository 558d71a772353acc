# SPDX-License-Identifier: MIT
# Fails when the start-up probe no longer does what the program's main() does:
# a probe that has drifted would time a start-up nobody runs. The probe's own
# lines are the ones about the first-paint report.
#   cmake -DPROGRAM=app/main.cpp -DPROBE=bench/probe_tarnwick.cpp -DSTAMP=... -P checkprobe.cmake
function(main_body file out)
  file(STRINGS "${file}" lines)
  set(body "")
  set(inside FALSE)
  foreach(line IN LISTS lines)
    if(line MATCHES "^int main\\(")
      set(inside TRUE)
    endif()
    if(inside AND NOT line MATCHES "irstPaint")
      string(APPEND body "${line}\n")
    endif()
  endforeach()
  set(${out} "${body}" PARENT_SCOPE)
endfunction()

main_body("${PROGRAM}" program)
main_body("${PROBE}" probe)
if(NOT program STREQUAL probe)
  message(FATAL_ERROR "${PROBE} no longer starts the program as ${PROGRAM} does: "
                      "make its main() the same again, apart from the first-paint lines.")
endif()
file(TOUCH "${STAMP}")
