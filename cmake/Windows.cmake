# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows build (cross-built with cmake/mingw-w64-x86_64.cmake, see windows.sh):
# running its programs under Wine, the DLLs that go with the program, and the two ways
# to get it: a portable zip (cpack -G ZIP) and an installer (cpack -G NSIS).
set(KZ_HOMEPAGE "https://kavelzicht.example.org/")

# Where the DLLs come from: Qt's and libarchive's install folders, and those of zlib
# and the compiler's runtime (the C++ library, libgcc, winpthread, libssp), which the
# MinGW compiler knows.
get_target_property(kz_qtcore Qt6::Core IMPORTED_LOCATION_RELEASE)
if(NOT kz_qtcore)
  get_target_property(kz_qtcore Qt6::Core IMPORTED_LOCATION)
endif()
get_filename_component(kz_qtbin ${kz_qtcore} DIRECTORY)
get_filename_component(kz_archiefbin ${LibArchive_LIBRARY} DIRECTORY)
get_filename_component(kz_archiefbin ${kz_archiefbin}/../bin ABSOLUTE)
set(KZ_DLL_MAPPEN ${kz_qtbin} ${kz_archiefbin})
foreach(dll zlib1.dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll libssp-0.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
    OUTPUT_VARIABLE pad OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  if(NOT IS_ABSOLUTE "${pad}")
    message(FATAL_ERROR "${dll} niet gevonden bij ${CMAKE_CXX_COMPILER}")
  endif()
  get_filename_component(map ${pad} DIRECTORY)
  list(APPEND KZ_DLL_MAPPEN ${map})
endforeach()
list(REMOVE_DUPLICATES KZ_DLL_MAPPEN)

# The build's programs (the tests, and their discovery) run through wine.sh, which
# finds the DLLs above through WINEPATH.
if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
  set(KZ_WINEPATH)
  foreach(map ${KZ_DLL_MAPPEN})
    string(REPLACE "/" "\\" map "Z:${map}")
    list(APPEND KZ_WINEPATH ${map})
  endforeach()
  set(KZ_WINEPREFIX ${PROJECT_BINARY_DIR}/wine)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/wine.sh.in ${PROJECT_BINARY_DIR}/wine.sh
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE
    @ONLY)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_BINARY_DIR}/wine.sh)
endif()

# The icon of the Start-menu entry, the installer and the list of installed programs:
# every size of the program's icon in one .ico (the largest as PNG, as Windows wants it).
find_program(KZ_ICOTOOL icotool REQUIRED)
set(KZ_ICO ${PROJECT_BINARY_DIR}/kavelzicht.ico)
set(kz_ico_bronnen)
foreach(n 16 24 32 48 64 128)
  list(APPEND kz_ico_bronnen ${PROJECT_SOURCE_DIR}/data/icons/${KZ_ID}-${n}.png)
endforeach()
add_custom_command(OUTPUT ${KZ_ICO}
  COMMAND ${KZ_ICOTOOL} -c -o ${KZ_ICO} ${kz_ico_bronnen} --raw=${PROJECT_SOURCE_DIR}/data/icons/${KZ_ID}-256.png
  DEPENDS ${kz_ico_bronnen} ${PROJECT_SOURCE_DIR}/data/icons/${KZ_ID}-256.png VERBATIM)
add_custom_target(kz_ico ALL DEPENDS ${KZ_ICO})

# A window program (no console window of its own when started from Explorer; in batch
# mode it writes to the console it was started from, see main.cpp) with its icon, its
# manifest (UTF-8 as the ANSI code page) and its version information. The file version
# has four parts, the third always 0: 1.0.5 is 1.0.0.5.
enable_language(RC)
set(KZ_BESTANDSVERSIE "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.${PROJECT_VERSION_PATCH}")
string(REPLACE "." "," KZ_VERSIE_KOMMAS ${KZ_BESTANDSVERSIE})
set(KZ_MANIFEST ${PROJECT_BINARY_DIR}/kavelzicht.manifest)
configure_file(${PROJECT_SOURCE_DIR}/data/windows/kavelzicht.manifest ${KZ_MANIFEST} @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/data/windows/kavelzicht.rc.in ${PROJECT_BINARY_DIR}/kavelzicht.rc @ONLY)
set_source_files_properties(${PROJECT_BINARY_DIR}/kavelzicht.rc PROPERTIES OBJECT_DEPENDS "${KZ_ICO};${KZ_MANIFEST}")
target_sources(kavelzicht PRIVATE ${PROJECT_BINARY_DIR}/kavelzicht.rc)
set_target_properties(kavelzicht PROPERTIES WIN32_EXECUTABLE ON)
# The test programs get the manifest alone, so that they handle names as the program does.
set(KZ_MANIFEST_RC ${PROJECT_BINARY_DIR}/manifest.rc)
configure_file(${PROJECT_SOURCE_DIR}/data/windows/manifest.rc.in ${KZ_MANIFEST_RC} @ONLY)
set_source_files_properties(${KZ_MANIFEST_RC} PROPERTIES OBJECT_DEPENDS ${KZ_MANIFEST})

# Everything in one folder, as Windows finds DLLs beside the program: the program, the
# DLLs it needs, the platform plugins in platforms/ (where Qt looks beside the program:
# windows for the window, offscreen for the batch mode's picture), the icon, the README
# and the licence.
install(TARGETS kavelzicht RUNTIME DESTINATION .)
set(KZ_PLATFORMS Qt6::QWindowsIntegrationPlugin Qt6::QOffscreenIntegrationPlugin)
set(kz_plugins)
foreach(plugin ${KZ_PLATFORMS})
  install(FILES $<TARGET_FILE:${plugin}> DESTINATION platforms)
  list(APPEND kz_plugins "platforms/$<TARGET_FILE_NAME:${plugin}>")
endforeach()
install(FILES ${KZ_ICO} ${PROJECT_SOURCE_DIR}/README.md DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
# The licence of the fonts that come along in lettertypen/: Debian's copyright file of
# fonts-liberation (the Liberation Fonts licence: the GPL version 2 with a font
# exception), followed by the GPL version 2 that it refers to.
if(KZ_MEEGELEVERDE_LETTERS)
  find_file(KZ_LETTERS_COPYRIGHT copyright PATHS /usr/share/doc/fonts-liberation NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
  find_file(KZ_GPL2 GPL-2 PATHS /usr/share/common-licenses NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
  file(READ ${KZ_LETTERS_COPYRIGHT} kz_copyright)
  file(READ ${KZ_GPL2} kz_gpl2)
  file(WRITE ${PROJECT_BINARY_DIR}/LICENSE-Liberation.txt
    "The fonts Liberation Sans and Liberation Sans Narrow (version 1.07.4), in lettertypen\\\n"
    "beside kavelzicht.exe, come from Debian's package fonts-liberation, whose copyright file\n"
    "follows, and then the GNU General Public License version 2 that it refers to.\n\n"
    "${kz_copyright}\n\n${kz_gpl2}")
  install(FILES ${PROJECT_BINARY_DIR}/LICENSE-Liberation.txt DESTINATION .)
endif()
# Qt's own texts in Dutch (the buttons of a message box, a scroll bar's menu), from
# Debian's qt6-translations-l10n of the same Qt version, in translations/; qt.conf
# tells Qt that the program's folder is its prefix.
find_file(KZ_QT_NL qtbase_nl.qm PATHS /usr/share/qt6/translations NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
install(FILES ${KZ_QT_NL} DESTINATION translations)
file(WRITE ${PROJECT_BINARY_DIR}/qt.conf "[Paths]\nPrefix = .\n")
install(FILES ${PROJECT_BINARY_DIR}/qt.conf DESTINATION .)
# The DLLs that the program and the plugins load, found by reading their imports.
install(CODE "
  set(KZ_DLL_MAPPEN \"${KZ_DLL_MAPPEN}\")
  set(KZ_PROGRAMMA \"$<TARGET_FILE_NAME:kavelzicht>\")
  set(KZ_PLUGINS \"${kz_plugins}\")
  set(KZ_STRIP \"${CMAKE_STRIP}\")
")
install(SCRIPT ${PROJECT_SOURCE_DIR}/cmake/WindowsDlls.cmake)

# The packages. The zip unpacks into a folder kavelzicht-VERSION-windows-x64; the
# installer (a 32-bit program, as NSIS makes them) installs for all users into Program
# Files\Kavelzicht, with a Start-menu entry, "Open with" for GPX files and an
# uninstaller in the list of installed programs. /S installs without asking.
set(CPACK_PACKAGE_NAME kavelzicht)
set(CPACK_PACKAGE_VENDOR Kavelzicht)
set(CPACK_PACKAGE_CONTACT "Kavelzicht <${KZ_CONTACT}>")
set(CPACK_PACKAGE_HOMEPAGE_URL ${KZ_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Kaart van de Nederlandse regio's waar u caches vond")
set(CPACK_PACKAGE_FILE_NAME kavelzicht-${PROJECT_VERSION}-windows-x64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Kavelzicht)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Kavelzicht)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_STRIP_FILES ON)
# The NSIS commands below are passed on as they are written.
set(CPACK_VERBATIM_VARIABLES ON)
# The installer's own file name ends in -setup.
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/WindowsPakket.cmake)

set(CPACK_NSIS_PACKAGE_NAME Kavelzicht)
set(CPACK_NSIS_DISPLAY_NAME Kavelzicht)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MUI_ICON ${KZ_ICO})
set(CPACK_NSIS_MUI_UNIICON ${KZ_ICO})
set(CPACK_NSIS_INSTALLED_ICON_NAME kavelzicht.ico)
set(CPACK_NSIS_URL_INFO_ABOUT ${KZ_HOMEPAGE})
set(CPACK_NSIS_CONTACT ${KZ_CONTACT})
set(CPACK_NSIS_UNINSTALL_NAME Verwijderen)
# The Start-menu folder "Kavelzicht" (the installer's default) holds the program, with its
# icon. It starts in the Documents folder, where the picture is saved (a shortcut starts
# in the output path at the time it is made; for an installation for all users, which
# this is, that is the public Documents folder), not in the install folder, which users
# cannot write to.
set(CPACK_NSIS_CREATE_ICONS_EXTRA "
  SetOutPath '$DOCUMENTS'
  CreateShortCut '$SMPROGRAMS\\$STARTMENU_FOLDER\\Kavelzicht.lnk' '$INSTDIR\\kavelzicht.exe' '' '$INSTDIR\\kavelzicht.ico'
  SetOutPath '$INSTDIR'
")
# The uninstaller also removes the key of the program's maker that the installer made
# (Software\Kavelzicht, once the installer's own subkey is gone).
set(CPACK_NSIS_DELETE_ICONS_EXTRA "
  Delete '$SMPROGRAMS\\$MUI_TEMP\\Kavelzicht.lnk'
  DeleteRegKey /ifempty SHCTX 'Software\\Kavelzicht'
")
# "Open with" for .gpx: a file type of the program's own, offered in the list of
# programs for .gpx; the default program for .gpx stays what it was.
set(kz_opdracht "'\"$INSTDIR\\kavelzicht.exe\" --venster \"%1\"'")
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "
  WriteRegStr SHCTX 'Software\\Classes\\Kavelzicht.gpx' '' 'GPX-bestand'
  WriteRegStr SHCTX 'Software\\Classes\\Kavelzicht.gpx\\DefaultIcon' '' '$INSTDIR\\kavelzicht.ico'
  WriteRegStr SHCTX 'Software\\Classes\\Kavelzicht.gpx\\shell\\open\\command' '' ${kz_opdracht}
  WriteRegStr SHCTX 'Software\\Classes\\.gpx\\OpenWithProgids' 'Kavelzicht.gpx' ''
  WriteRegStr SHCTX 'Software\\Classes\\Applications\\kavelzicht.exe' 'FriendlyAppName' 'Kavelzicht'
  WriteRegStr SHCTX 'Software\\Classes\\Applications\\kavelzicht.exe\\SupportedTypes' '.gpx' ''
  WriteRegStr SHCTX 'Software\\Classes\\Applications\\kavelzicht.exe\\shell\\open\\command' '' ${kz_opdracht}
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
")
# The uninstaller removes these again, and .gpx's keys only when nothing else is left in them.
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "
  DeleteRegKey SHCTX 'Software\\Classes\\Kavelzicht.gpx'
  DeleteRegKey SHCTX 'Software\\Classes\\Applications\\kavelzicht.exe'
  DeleteRegValue SHCTX 'Software\\Classes\\.gpx\\OpenWithProgids' 'Kavelzicht.gpx'
  EnumRegValue $0 SHCTX 'Software\\Classes\\.gpx\\OpenWithProgids' 0
  StrCmp $0 '' 0 +2
  DeleteRegKey /ifempty SHCTX 'Software\\Classes\\.gpx\\OpenWithProgids'
  ReadRegStr $1 SHCTX 'Software\\Classes\\.gpx' ''
  EnumRegValue $0 SHCTX 'Software\\Classes\\.gpx' 0
  StrCmp '$0$1' '' 0 +2
  DeleteRegKey /ifempty SHCTX 'Software\\Classes\\.gpx'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
")
include(CPack)
