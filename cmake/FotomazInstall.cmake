# What `cmake --install` lays out (GNUInstallDirs), and the Debian package
# CPack makes of it. Decisions: docs/install.md.

include(GNUInstallDirs)

set(FOTOMAZ_DATA_DIR ${CMAKE_INSTALL_DATADIR}/tamrel-fotomaz)
set(FOTOMAZ_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/tamrel-fotomaz)

# An installed program finds its settings rule by ../share/tamrel-fotomaz
# seen from its folder (platform/settings_location.h).
if(NOT CMAKE_INSTALL_BINDIR STREQUAL "bin" OR NOT CMAKE_INSTALL_DATADIR STREQUAL "share")
  message(WARNING "The installed programs look for ../share/tamrel-fotomaz beside their "
                  "folder; with CMAKE_INSTALL_BINDIR=${CMAKE_INSTALL_BINDIR} and "
                  "CMAKE_INSTALL_DATADIR=${CMAKE_INSTALL_DATADIR} they keep their settings "
                  "beside themselves.")
endif()

set(programs fotomaz-verteilen fotomaz-exif)
set(manual_pages fotomaz-verteilen fotomaz-exif)
if(TARGET tamrel-fotomaz)
  list(APPEND programs tamrel-fotomaz)
  list(APPEND manual_pages tamrel-fotomaz)
endif()
install(TARGETS ${programs} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Also the mark of an installed layout (platform/settings_location.h).
install(FILES data/installiert DESTINATION ${FOTOMAZ_DATA_DIR})
install(FILES data/copyright DESTINATION ${FOTOMAZ_DOC_DIR})

# Version and date of the manual pages and the AppStream release.
foreach(page IN LISTS manual_pages)
  configure_file(data/man/${page}.1.in ${PROJECT_BINARY_DIR}/data/man/${page}.1 @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/data/man/${page}.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
# Written at build time from the option table (tools/completion).
install(FILES ${FOTOMAZ_COMPLETION}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

if(TARGET tamrel-fotomaz)
  install(FILES data/${FOTOMAZ_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  configure_file(data/${FOTOMAZ_APP_ID}.metainfo.xml.in
                 ${PROJECT_BINARY_DIR}/data/${FOTOMAZ_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/data/${FOTOMAZ_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  # The PNGs are rendered once from the SVG (scripts/render-icons.sh) and
  # committed, so the build needs no SVG tool.
  install(DIRECTORY data/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()

# The Debian package: scripts/package.sh builds it from a Release build.
set(CPACK_PACKAGE_NAME tamrel-fotomaz)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tamrel Fotomaz Team")
set(CPACK_PACKAGE_CONTACT "Tamrel Fotomaz Team <team@tamrel-fotomaz.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sorts photos and videos into folders by capture date")
# The summary above is the first line of the package's description, this the
# rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Tamrel Fotomaz moves the photos and videos of a source folder into year,
month and day folders below a target folder, by the date each was taken (the
EXIF date of a JPEG, otherwise the file's modification time), renamed after
that date if wished. Nothing is ever overwritten. The user interface is
German. The package holds the window program, fotomaz-verteilen for the same
run without a window, and the developer tool fotomaz-exif.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://tamrel-fotomaz.example)
# The libraries the programs link, found by dpkg-shlibdeps; Qt loads the
# platform plugin and the German translations at run time, which no linker
# records.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TARGET tamrel-fotomaz)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
endif()
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "bash-completion")
# The changelog, compressed manual pages and stripped notes Debian asks for.
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/DebianPackageFiles.cmake)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/FotomazCPackOptions.cmake)
file(WRITE ${CPACK_PROJECT_CONFIG_FILE}
     "set(FOTOMAZ_DEBIAN_CHANGELOG \"${PROJECT_SOURCE_DIR}/data/debian/changelog.in\")\n"
     "set(FOTOMAZ_DOC_DIR \"${FOTOMAZ_DOC_DIR}\")\n"
     "set(FOTOMAZ_RELEASE_DATE \"${FOTOMAZ_RELEASE_DATE}\")\n"
     "set(FOTOMAZ_VERSION \"${PROJECT_VERSION}\")\n")
include(CPack)
