# SPDX-License-Identifier: GPL-3.0-or-later
# Run at install time (install(SCRIPT), after cmake/Windows.cmake has set KZ_DLL_MAPPEN,
# KZ_PROGRAMMA, KZ_PLUGINS and KZ_STRIP): copies the DLLs that the program and its
# plugins load, and those that these load in turn, from KZ_DLL_MAPPEN beside the
# program. Only ours are looked for (Qt, libarchive, zlib, the compiler's runtime), not
# Windows' own.
set(map "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")

# The imports of a PE file name their DLLs in any case, and CMake looks them up in lower
# case, which a Linux file system does not find for Qt6Core.dll: the names are matched
# here, case-blind.
foreach(m ${KZ_DLL_MAPPEN})
  file(GLOB gevonden "${m}/*.dll")
  foreach(pad ${gevonden})
    get_filename_component(naam ${pad} NAME)
    string(TOLOWER ${naam} naam)
    if(NOT DEFINED "kz_dll_${naam}")
      set("kz_dll_${naam}" ${pad})
    endif()
  endforeach()
endforeach()

set(dlls)
set(te_lezen)
set(lezen EXECUTABLES "${map}/${KZ_PROGRAMMA}" MODULES)
foreach(plugin ${KZ_PLUGINS})
  list(APPEND lezen "${map}/${plugin}")
endforeach()
while(lezen)
  file(GET_RUNTIME_DEPENDENCIES ${lezen}
    PRE_INCLUDE_REGEXES [[^([Qq][Tt]6|[Ll][Ii][Bb]|[Zz][Ll][Ii][Bb]1)]]
    PRE_EXCLUDE_REGEXES [[.*]]
    UNRESOLVED_DEPENDENCIES_VAR namen)
  set(lezen)
  foreach(naam ${namen})
    string(TOLOWER ${naam} naam)
    if(NOT DEFINED "kz_dll_${naam}")
      message(FATAL_ERROR "DLL niet gevonden in ${KZ_DLL_MAPPEN}: ${naam}")
    endif()
    set(pad "${kz_dll_${naam}}")
    list(FIND dlls ${pad} al)
    if(al EQUAL -1)
      list(APPEND dlls ${pad})
      list(APPEND te_lezen ${pad})
    endif()
  endforeach()
  if(te_lezen)
    set(lezen LIBRARIES ${te_lezen})
    set(te_lezen)
  endif()
endwhile()

file(INSTALL ${dlls} DESTINATION "${map}")
if(CMAKE_INSTALL_DO_STRIP)
  foreach(pad ${dlls})
    get_filename_component(naam ${pad} NAME)
    list(APPEND KZ_PLUGINS ${naam})
  endforeach()
  foreach(bestand ${KZ_PLUGINS})
    execute_process(COMMAND ${KZ_STRIP} --strip-unneeded "${map}/${bestand}" COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
endif()
