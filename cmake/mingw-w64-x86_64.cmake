# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-building for 64-bit Windows with Debian's MinGW-w64 compilers (the posix thread
# model, for std::thread). Used for Kavelzicht itself and for the libraries that
# windows.sh builds for it. Libraries and headers are looked up only in the MinGW
# sysroot and in the folders that CMAKE_PREFIX_PATH or KZ_WINDOWS_PREFIXES name, never
# in the build machine's own /usr; programs only on the build machine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KZ_MINGW x86_64-w64-mingw32)

set(CMAKE_C_COMPILER /usr/bin/${KZ_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER /usr/bin/${KZ_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER /usr/bin/${KZ_MINGW}-windres)
# Named here: CMake does not see the prefix in a compiler name that ends in -posix.
foreach(werktuig AR RANLIB NM OBJCOPY OBJDUMP STRIP DLLTOOL)
  string(TOLOWER ${werktuig} naam)
  set(CMAKE_${werktuig} /usr/bin/${KZ_MINGW}-${naam} CACHE FILEPATH "")
endforeach()

# The prefixes that windows.sh installed the libraries into, passed on to try_compile.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KZ_WINDOWS_PREFIXES)
set(CMAKE_FIND_ROOT_PATH /usr/${KZ_MINGW} ${KZ_WINDOWS_PREFIXES})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# file(GET_RUNTIME_DEPENDENCIES), for the DLLs that go with the program: PE files read
# with the MinGW objdump.
set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND /usr/bin/${KZ_MINGW}-objdump)
