# Installing: the program with its desktop entry, icons, AppStream metainfo and Dutch
# manual page, and a Debian package of all of it (cpack -G DEB).
include(GNUInstallDirs)

set(KZ_HOMEPAGE "https://kavelzicht.example.org/")
set(KZ_DATA ${PROJECT_SOURCE_DIR}/data)

configure_file(${KZ_DATA}/${KZ_ID}.metainfo.xml.in ${KZ_ID}.metainfo.xml @ONLY)
configure_file(${KZ_DATA}/kavelzicht.1.in kavelzicht.1 @ONLY)

install(TARGETS kavelzicht RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${KZ_DATA}/${KZ_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${KZ_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${KZ_DATA}/icons/${KZ_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(n 16 32 48 64 128 256)
  install(FILES ${KZ_DATA}/icons/${KZ_ID}-${n}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${n}x${n}/apps RENAME ${KZ_ID}.png)
endforeach()
# The program speaks only Dutch, so its one manual page is Dutch: under nl for Dutch
# locales, and also as the untranslated page so that "man kavelzicht" finds it in any
# locale.
foreach(dir ${CMAKE_INSTALL_MANDIR}/nl/man1 ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/kavelzicht.1 DESTINATION ${dir})
endforeach()

set(CPACK_PACKAGE_NAME kavelzicht)
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
# The window is laid out for Liberation Sans.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)
include(CPack)
