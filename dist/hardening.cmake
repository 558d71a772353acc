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
target_compile_options(tarnwick_settings INTERFACE -fstack-protector-strong
                       "$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
target_link_options(tarnwick_settings INTERFACE LINKER:-z,relro LINKER:-z,now)
