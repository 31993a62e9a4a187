# SPDX-License-Identifier: GPL-3.0-or-later
# Installing: the program with its desktop entry, icons, AppStream metainfo, manual
# pages, copyright and changelog, and a Debian package of all of it (cpack -G DEB).
include(GNUInstallDirs)

set(KZ_HOMEPAGE "https://kavelzicht.example.org/")
set(KZ_DATA ${PROJECT_SOURCE_DIR}/data)
set(KZ_PAKKET kavelzicht)
set(KZ_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/${KZ_PAKKET})

configure_file(${KZ_DATA}/${KZ_ID}.metainfo.xml.in ${KZ_ID}.metainfo.xml @ONLY)
configure_file(${KZ_DATA}/kavelzicht.1.in kavelzicht.nl.1 @ONLY)
configure_file(${KZ_DATA}/kavelzicht.en.1.in kavelzicht.en.1 @ONLY)
configure_file(${KZ_DATA}/copyright.in copyright @ONLY)

# Manual pages and the changelog are installed compressed, as Debian wants them; gzip -n
# leaves out the name and time, so that the package is the same from one build to the next.
find_program(KZ_GZIP gzip REQUIRED)
set(KZ_GEPAKT)
foreach(bron ${CMAKE_CURRENT_BINARY_DIR}/kavelzicht.nl.1 ${CMAKE_CURRENT_BINARY_DIR}/kavelzicht.en.1
             ${KZ_DATA}/changelog)
  get_filename_component(naam ${bron} NAME)
  set(doel ${CMAKE_CURRENT_BINARY_DIR}/${naam}.gz)
  add_custom_command(OUTPUT ${doel} COMMAND ${KZ_GZIP} -9n -c ${bron} > ${doel} DEPENDS ${bron} VERBATIM)
  list(APPEND KZ_GEPAKT ${doel})
endforeach()
add_custom_target(kz_gepakt ALL DEPENDS ${KZ_GEPAKT})

install(TARGETS kavelzicht RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripped install (cpack, cmake --install --strip) also drops .comment and .note, as dh_strip does.
install(CODE "if(CMAKE_INSTALL_DO_STRIP AND EXISTS \"${CMAKE_STRIP}\")
  execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/kavelzicht\" COMMAND_ERROR_IS_FATAL ANY)
endif()")
install(FILES ${KZ_DATA}/${KZ_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${KZ_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${KZ_DATA}/icons/${KZ_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(n 16 24 32 48 64 128 256)
  install(FILES ${KZ_DATA}/icons/${KZ_ID}-${n}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${n}x${n}/apps RENAME ${KZ_ID}.png)
endforeach()
# The program speaks only Dutch, and so does its manual page, under nl for Dutch locales;
# the untranslated page, for every other locale, is a short English one that points to it.
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/kavelzicht.nl.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/nl/man1 RENAME kavelzicht.1.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/kavelzicht.en.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 RENAME kavelzicht.1.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION ${KZ_DOCDIR})

set(CPACK_PACKAGE_NAME ${KZ_PAKKET})
set(CPACK_PACKAGE_VENDOR Kavelzicht)
set(CPACK_PACKAGE_CONTACT "Kavelzicht <${KZ_CONTACT}>")
set(CPACK_PACKAGE_HOMEPAGE_URL ${KZ_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "map of the Dutch regions where you found geocaches")
set(CPACK_PACKAGE_DESCRIPTION
  "Kavelzicht reads a GPX export of found geocaches and shows in which regions of
the Netherlands they lie: a main map of the cache regions, three year maps and
the counts, saved as a picture. It has a Dutch user interface and a batch mode
for the command line.")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window is laid out for Liberation Sans, and Qt's own texts in it are Dutch.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, qt6-translations-l10n")
include(CPack)
