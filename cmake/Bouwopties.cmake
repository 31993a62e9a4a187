# SPDX-License-Identifier: GPL-3.0-or-later
# Warnings and hardening for every target; included by CMakeLists.txt after its options.

# Warnings always; as errors only on request (test.sh), so that a newer compiler does not break a packager's build.
add_compile_options(-Wall -Wextra)
if(KZ_WERROR)
  add_compile_options(-Werror)
endif()

# The hardening below is for the optimised builds only, and is the usual Debian set (dpkg-buildflags).
set(KZ_OPTIMISED "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
# Fortified libc calls: need optimisation, clash with the sanitizers, and a packager's own setting wins.
if(NOT KZ_SANITIZE AND NOT KZ_FUZZ AND NOT CMAKE_CXX_FLAGS MATCHES "_FORTIFY_SOURCE")
  # Undefined first, so that a compiler that defines it by default does not warn about a redefinition.
  add_compile_options("$<${KZ_OPTIMISED}:-U_FORTIFY_SOURCE>" "$<${KZ_OPTIMISED}:-D_FORTIFY_SOURCE=3>")
endif()
# Stack canaries in every function with a local array or a local whose address is taken.
add_compile_options("$<${KZ_OPTIMISED}:-fstack-protector-strong>")
if(WIN32)
  # MinGW keeps the canary's check in a library of its own (libssp), linked on request.
  add_link_options("$<${KZ_OPTIMISED}:-fstack-protector-strong>")
else()
  # Full RELRO: all relocations resolved at start-up (-z now), then the GOT made read-only (-z relro).
  add_link_options("$<${KZ_OPTIMISED}:LINKER:-z,relro,-z,now>")
endif()
