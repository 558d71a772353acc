# SPDX-License-Identifier: MIT
# The hardening Debian builds its own packages with, for the program that
# ships and the libraries it is made of. A sanitizer build has run-time
# checks of its own, and fortified functions need the optimiser, so neither
# gets them.
if(TARNWICK_SANITIZE)
  return()
endif()
foreach(target tarnwick tarnwick_form1 tarnwick_forms tarnwick_windows tarnwick_calc tarnwick_resources)
  target_compile_options(${target} PRIVATE -fstack-protector-strong
                         "$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
endforeach()
target_link_options(tarnwick PRIVATE -Wl,-z,relro -Wl,-z,now)
