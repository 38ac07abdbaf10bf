# CPack runs this after laying out the package's files and before packing
# them: what Debian asks of a package beyond a plain `cmake --install`.
# Values come from FotomazCPackOptions.cmake (written by FotomazInstall.cmake).
include(${CPACK_PROJECT_CONFIG_FILE})
set(root "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")

# The Debian changelog. gzip -n: no name or time stamp in the header, so the
# package builds the same twice.
execute_process(COMMAND date -u -R -d "${FOTOMAZ_RELEASE_DATE} 12:00:00"
                OUTPUT_VARIABLE FOTOMAZ_CHANGELOG_DATE OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
configure_file(${FOTOMAZ_DEBIAN_CHANGELOG} ${root}/${FOTOMAZ_DOC_DIR}/changelog.Debian @ONLY)
execute_process(COMMAND gzip -9nf ${root}/${FOTOMAZ_DOC_DIR}/changelog.Debian
                COMMAND_ERROR_IS_FATAL ANY)

# Manual pages are compressed in a package.
file(GLOB pages ${root}/share/man/man1/*.1)
foreach(page IN LISTS pages)
  execute_process(COMMAND gzip -9nf ${page} COMMAND_ERROR_IS_FATAL ANY)
endforeach()

# CPack strips the symbols; the compiler's notes go too, as in Debian's own
# packages.
file(GLOB programs ${root}/bin/*)
foreach(program IN LISTS programs)
  execute_process(COMMAND strip --remove-section=.comment --remove-section=.note ${program}
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
